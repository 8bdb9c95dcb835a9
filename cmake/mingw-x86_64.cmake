# Cross-compiling for Windows (x86_64) with Debian's MinGW-w64.
# Test executables run under Wine through the emulator below, so one ctest runs them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MORVANE_TRIPLE x86_64-w64-mingw32)
# The -posix compilers: GoogleTest needs std::mutex, which the win32 thread model lacks.
set(CMAKE_C_COMPILER   ${MORVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${MORVANE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MORVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime: the programs need no MinGW DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
