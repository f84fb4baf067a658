# 32-bit Windows (x86), which also runs on 64-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZORBIKA_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
