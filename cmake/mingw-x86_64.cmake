# Cross-compiling for 64-bit Windows with Debian's MinGW-w64: the build that is tested.
# Test executables run under Wine through the emulator below, so one ctest runs them.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MORVANE_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
