# Cross compiles for Windows with Debian's mingw-w64, in its posix-threads variant: GoogleTest
# needs std::mutex, which the win32 variant lacks. For 64-bit Windows unless a toolchain file
# that includes this one has set TARVELLO_MINGW_PROCESSOR to i686 (cmake/mingw-w64-i686.cmake).
if(NOT DEFINED TARVELLO_MINGW_PROCESSOR)
  set(TARVELLO_MINGW_PROCESSOR x86_64)
endif()
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

# Tests and benchmarks run under wine, from ctest and from the build alike: 32-bit programs
# under wine32's loader.
if(TARVELLO_MINGW_PROCESSOR STREQUAL i686)
  set(wine_names wine)
else()
  set(wine_names wine64 wine)
endif()
find_program(TARVELLO_WINE NAMES ${wine_names} PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(TARVELLO_WINE NAMES ${wine_names})
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVELLO_WINE})
