# Format code goes to icevale_core, windows to icevale_ui.
target_sources(icevale_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bannertable.cpp)
target_sources(icevale_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bannertexteditor.cpp)
