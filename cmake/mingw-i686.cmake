# Cross-compiling for 32-bit Windows with Debian's MinGW-w64: the release build, tested too.
# Test executables run under the 32-bit Wine (emulated) through the emulator below.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MORVANE_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2, which every processor that runs a supported Windows has: the word list scans with it,
# and floating point then rounds as on 64-bit builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh --win32)
