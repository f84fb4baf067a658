#include "ChildWindow.h"

#include <commctrl.h>

namespace rt::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

} // namespace

ChildWindow::ChildWindow(HWND handle)
    : handle_(handle)
{
    SetWindowSubclass(handle_, &subclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

ChildWindow::~ChildWindow()
{
    RemoveWindowSubclass(handle_, &subclassProcedure, kSubclassId);
}

LRESULT ChildWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    return passOn(message, wParam, lParam);
}

LRESULT ChildWindow::passOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(handle_, message, wParam, lParam);
}

LRESULT CALLBACK ChildWindow::subclassProcedure(
    HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &subclassProcedure, kSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<ChildWindow*>(self)->message(message, wParam, lParam);
}

bool keyHeld(int key)
{
    return (static_cast<unsigned short>(GetKeyState(key)) & 0x8000U) != 0;
}

bool shortcutModifierHeld()
{
    return keyHeld(VK_CONTROL) || keyHeld(VK_MENU) || keyHeld(VK_LWIN) || keyHeld(VK_RWIN);
}

} // namespace rt::win32
