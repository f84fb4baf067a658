#include "Dpi.h"

namespace rt::win32 {

namespace {

// Functions newer than Windows 7, looked up at run time so that the program
// still starts there. Casting a FARPROC to its real type is the only way.
template <class Function> Function* newerFunction(const char* name)
{
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function*>( // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
        reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

int systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

int dpiOf(HWND window)
{
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    static auto* const getDpiForWindow = newerFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return systemDpi();
}

SIZE outerSize(SIZE client, DWORD style, DWORD exStyle, int dpi)
{
    using AdjustForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const adjustForDpi
        = newerFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect { 0, 0, client.cx, client.cy };
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return { rect.right - rect.left, rect.bottom - rect.top };
}

} // namespace rt::win32
