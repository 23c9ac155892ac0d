icevale_core_test(colours_core_test
  ${CMAKE_CURRENT_LIST_DIR}/colorword_test.cpp)
icevale_ui_test(colours_ui_test
  ${CMAKE_CURRENT_LIST_DIR}/uniformeditor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bannereditor_test.cpp)
