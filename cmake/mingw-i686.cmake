# Cross-building the 32-bit Windows executable with mingw-w64 (i686):
# a static runtime, so that Tarvel.exe needs no DLL beyond the system's,
# and the GUI subsystem, so that it opens no console.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -mwindows")

# GCC 12 reports a false -Wrestrict inside std::string's operator+ when it
# inlines it for this target (GCC bug 105329); the host compiler does not.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
