# Format code goes to icevale_core, windows to icevale_ui.
target_sources(icevale_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bannercolours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colorword.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uniform.cpp)
target_sources(icevale_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bannereditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colourcontrols.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uniformeditor.cpp)
