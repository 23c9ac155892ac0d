target_sources(icevale_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/charset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/imagebytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/romfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rosterindex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/teamtext.cpp)
target_sources(icevale_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clicklist.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colourlabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editorwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/limitedlineedit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qtext.cpp)
