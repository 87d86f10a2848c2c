# Cross-building the 32-bit Windows executable, Tarvel.exe as it ships,
# with mingw-w64 (i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TARVEL_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
