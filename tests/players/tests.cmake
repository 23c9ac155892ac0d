icevale_core_test(players_core_test
  ${CMAKE_CURRENT_LIST_DIR}/roster_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playerformat_test.cpp)
icevale_ui_test(players_ui_test
  ${CMAKE_CURRENT_LIST_DIR}/playereditor_test.cpp)
