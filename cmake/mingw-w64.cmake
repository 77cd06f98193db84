# Cross compiles for Windows with Debian's mingw-w64, in its posix-threads variant: GoogleTest
# needs std::mutex, which the win32 variant lacks. For 64-bit Windows unless a toolchain file
# that includes this one has set TARVELLO_MINGW_PROCESSOR (cmake/mingw-w64-i686.cmake).
if(NOT DEFINED TARVELLO_MINGW_PROCESSOR)
  set(TARVELLO_MINGW_PROCESSOR x86_64)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/windows-build.cmake)
windows_build(processor ${TARVELLO_MINGW_PROCESSOR})

set(triplet ${TARVELLO_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TARVELLO_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests and benchmarks run under the wine of the build's processor, from ctest and from the
# build alike.
find_program(TARVELLO_WINE NAMES ${TARVELLO_WINDOWS_WINE} PATHS /usr/lib/wine NO_DEFAULT_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVELLO_WINE})
