# Cross-building for Windows on Debian with MinGW-w64, included by the toolchain
# file of each target, which names its processor and its compilers' prefix
# (g++-mingw-w64-*-posix, whose threads GoogleTest needs). Linked with -static,
# an executable needs nothing but Windows' own DLLs. Tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZORBIKA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORBIKA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORBIKA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZORBIKA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
