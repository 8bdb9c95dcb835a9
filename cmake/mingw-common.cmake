# Shared by both Windows toolchains: set MORVANE_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)
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
