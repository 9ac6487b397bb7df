# Cross-builds the Windows program with MinGW-w64 for the target named by
# DRELVIK_MINGW_TARGET (i686-w64-mingw32 or x86_64-w64-mingw32). The program
# starts no thread, so it takes the win32 thread model, whose run-time works
# on Windows' own critical sections; the posix model would link in the
# winpthread library (about 25 KB) for the standard library's locks alone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${DRELVIK_MINGW_TARGET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${DRELVIK_MINGW_TARGET}-g++-win32)
set(CMAKE_RC_COMPILER ${DRELVIK_MINGW_TARGET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${DRELVIK_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
