# Tests of this folder: icevale_core_test(...) for formats, icevale_ui_test(...) for windows.
icevale_ui_test(lines_ui_test
  ${CMAKE_CURRENT_LIST_DIR}/lineseditor_test.cpp)
