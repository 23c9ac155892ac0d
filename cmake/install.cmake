# Install layout of a freedesktop application: the programs, the desktop entry, the
# icons, the AppStream metadata and the manual pages. Included after src/ is added, so
# that the programs' targets exist here.
include(GNUInstallDirs)

set(ICEVALE_APP_ID io.github.icevale.Editor)
set(ICEVALE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS icevale-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ICEVALE_DATA_DIR}/${ICEVALE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ICEVALE_DATA_DIR}/${ICEVALE_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ICEVALE_DATA_DIR}/${ICEVALE_APP_ID}.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
# Manual pages are installed gzipped, as Debian's policy asks of a package (gzip -9n:
# no name or time stamp, so the same page gives the same bytes).
find_program(ICEVALE_GZIP gzip REQUIRED)
function(icevale_manpage page)
  set(plain ${PROJECT_BINARY_DIR}/man/${page})
  add_custom_command(OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E copy ${ICEVALE_DATA_DIR}/${page} ${plain}
    COMMAND ${ICEVALE_GZIP} -9nf ${plain}
    DEPENDS ${ICEVALE_DATA_DIR}/${page} VERBATIM)
  add_custom_target(manpage-${page} ALL DEPENDS ${plain}.gz)
  install(FILES ${plain}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
icevale_manpage(icevale-editor.1)
# The licence asks for its notice in every copy; "copyright" is where Debian looks for it.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/icevale-editor RENAME copyright)

# The metadata names every program it provides, so a build without the command-line
# tool must not promise it.
set(ICEVALE_METAINFO ${ICEVALE_APP_ID}.metainfo.xml)
file(READ ${ICEVALE_DATA_DIR}/${ICEVALE_METAINFO} ICEVALE_METAINFO_TEXT)
if(TARGET icevale-tool)
  install(TARGETS icevale-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  icevale_manpage(icevale-tool.1)
else()
  string(REPLACE "    <binary>icevale-tool</binary>\n" "" ICEVALE_METAINFO_TEXT
    "${ICEVALE_METAINFO_TEXT}")
endif()
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/${ICEVALE_METAINFO} CONTENT "${ICEVALE_METAINFO_TEXT}"
  @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${ICEVALE_DATA_DIR}/${ICEVALE_METAINFO})
install(FILES ${PROJECT_BINARY_DIR}/${ICEVALE_METAINFO}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
