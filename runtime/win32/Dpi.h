#pragma once

#include <windows.h>

namespace rt::win32 {

// The dots per inch of the monitor a window is on. Windows before 10 have no
// per-window figure and give the system's.
[[nodiscard]] int dpiOf(HWND window);

// The outer size of a window whose client area is `client`, at `dpi`.
[[nodiscard]] SIZE outerSize(SIZE client, DWORD style, DWORD exStyle, int dpi);

} // namespace rt::win32
