# Cross-building the same Windows sources for x86-64 with mingw-w64, for
# machines whose kernel runs no 32-bit program: there the smoke run under
# wine takes this build instead of the 32-bit one.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TARVEL_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
