# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix,
# GCC 12): the posix thread model, which std::thread and std::async need, and the C and
# C++ runtimes linked statically, so the programs run without any DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ICEVALE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ICEVALE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ICEVALE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ICEVALE_MINGW}-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Libraries and headers come from the mingw-w64 tree only, never from the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${ICEVALE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The header-only libraries (CLI11, nlohmann-json) are the same for every target, but
# their Debian packages live in /usr, whose include folder holds the build machine's C
# headers. A folder of the build mirrors just those two libraries and their package files,
# which find the headers relative to themselves.
set(ICEVALE_HEADER_ONLY ${CMAKE_BINARY_DIR}/header-only)
foreach(library nlohmann:nlohmann_json CLI:CLI11)
  string(REPLACE ":" ";" library ${library})
  list(GET library 0 headers)
  list(GET library 1 package)
  if(EXISTS /usr/include/${headers} AND EXISTS /usr/share/cmake/${package})
    file(MAKE_DIRECTORY ${ICEVALE_HEADER_ONLY}/include ${ICEVALE_HEADER_ONLY}/share/cmake)
    file(CREATE_LINK /usr/include/${headers} ${ICEVALE_HEADER_ONLY}/include/${headers} SYMBOLIC)
    file(COPY /usr/share/cmake/${package} DESTINATION ${ICEVALE_HEADER_ONLY}/share/cmake)
    set(${package}_DIR ${ICEVALE_HEADER_ONLY}/share/cmake/${package} CACHE PATH "")
  endif()
endforeach()

# Tests and programs started by ctest run under wine, in a wine prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run CACHE FILEPATH "")
