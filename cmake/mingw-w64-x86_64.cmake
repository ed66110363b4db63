# Cross toolchain: 64-bit Windows programs. The handheld's build is 32-bit
# (mingw-w64-i686.cmake); this one serves machines whose kernel runs no 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
