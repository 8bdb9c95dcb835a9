# Cross-compiling for 32-bit Windows with Debian's MinGW-w64: the release build.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MORVANE_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
