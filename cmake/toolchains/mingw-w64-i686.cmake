# 32-bit Windows, from Windows XP on.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(DRELVIK_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
