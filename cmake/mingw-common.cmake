# What both Windows toolchains share: the compilers of the mingw-w64 triple
# TARVEL_MINGW_TRIPLE in their POSIX threads flavour (the other one has no
# std::thread or std::future), a static runtime, so that the executable
# needs no DLL beyond the system's, and the GUI subsystem, so that it opens
# no console.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TARVEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVEL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARVEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -mwindows")
