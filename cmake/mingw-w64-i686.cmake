# Cross compiles for 32-bit Windows: the toolchain of cmake/mingw-w64.cmake for i686.
set(TARVELLO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
