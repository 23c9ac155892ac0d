# Tests of this folder: icevale_core_test(...) for formats, icevale_ui_test(...) for windows.
icevale_core_test(season_core_test
  ${CMAKE_CURRENT_LIST_DIR}/seasondata_test.cpp)
icevale_ui_test(season_ui_test
  ${CMAKE_CURRENT_LIST_DIR}/menueditor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playoffeditor_test.cpp)
