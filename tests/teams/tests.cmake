# Tests of this folder: icevale_core_test(...) for formats, icevale_ui_test(...) for windows.
icevale_core_test(teams_core_test
  ${CMAKE_CURRENT_LIST_DIR}/teamrecords_test.cpp)
icevale_ui_test(teams_ui_test
  ${CMAKE_CURRENT_LIST_DIR}/teameditor_test.cpp)
