# Tests of this folder: icevale_core_test(...) for formats, icevale_ui_test(...) for windows.
icevale_core_test(banners_core_test
  ${CMAKE_CURRENT_LIST_DIR}/bannertable_test.cpp)
icevale_ui_test(banners_ui_test
  ${CMAKE_CURRENT_LIST_DIR}/bannertexteditor_test.cpp)
