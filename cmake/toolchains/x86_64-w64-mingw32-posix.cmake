# Cross-compiles for 64-bit Windows with MinGW-w64 (POSIX threads model, so
# std::thread and std::mutex are available) and runs the results under Wine.
# Debian: apt-get install g++-mingw-w64-x86-64-posix wine

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthreads linked in, so an .exe runs on a bare
# Windows with no MinGW DLL beside it. Not with BUILD_SHARED_LIBS: the
# library's DLL and its programs must then share one libstdc++ DLL, or each
# module gets its own copy of objects such as std::generic_category(), and
# error codes thrown in one module no longer compare equal in another.
if(NOT BUILD_SHARED_LIBS)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# Debian's /usr/bin/wine is a wrapper that writes a warning about a missing
# 32-bit Wine to standard error on every run; the 64-bit loader does not.
find_program(TAVIK_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TAVIK_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVIK_WINE64})
endif()
