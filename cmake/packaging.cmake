# Debian package of the install layout (cpack -G DEB). Dependencies come from
# dpkg-shlibdeps, so they follow whatever Qt the build was linked against.
set(CPACK_PACKAGE_NAME icevale-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Icevale editor developers")
set(ICEVALE_PACKAGE_MAINTAINER "Icevale editor developers <icevale-editor@users.noreply.github.com>"
  CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${ICEVALE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the game data of an Icevale cartridge image")
set(CPACK_PACKAGE_DESCRIPTION
  "A desktop editor for the copier-format image (*.smc) of the SNES ice-hockey game\n"
  "Icevale. It edits team texts and overall numbers, rosters with names, jersey\n"
  "numbers and ratings, line-ups, uniform and banner colours, banner texts, playoff\n"
  "slots and menu defaults, and saves the whole image back byte for byte.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://icevale.github.io/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
