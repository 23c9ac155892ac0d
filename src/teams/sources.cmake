# Format code goes to icevale_core, windows to icevale_ui.
target_sources(icevale_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/menunames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/teamrecords.cpp)
target_sources(icevale_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/teameditor.cpp)
