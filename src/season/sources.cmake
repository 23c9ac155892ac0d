# Format code goes to icevale_core, windows to icevale_ui.
target_sources(icevale_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/menudefaults.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playofftable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/storedchoice.cpp)
target_sources(icevale_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/choicecombo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menueditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playoffeditor.cpp)
