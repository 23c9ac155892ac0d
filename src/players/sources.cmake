# Format code goes to icevale_core, windows to icevale_ui.
target_sources(icevale_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/attributes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jersey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playerlabels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rosterchange.cpp)
target_sources(icevale_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gridcombo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playereditor.cpp)
