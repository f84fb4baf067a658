#include "ChildWindow.h"

#include <array>

namespace rt::win32 {

ChildWindow::ChildWindow(HWND handle)
    : handle_(handle)
    , original_(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle, GWLP_WNDPROC)))
{
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
}

ChildWindow::~ChildWindow()
{
    detach();
}

void ChildWindow::detach()
{
    if (attached_) {
        attached_ = false;
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    }
}

LRESULT ChildWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    return passOn(message, wParam, lParam);
}

LRESULT ChildWindow::passOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(original_, handle_, message, wParam, lParam);
}

LRESULT CALLBACK ChildWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ChildWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        const WNDPROC original = self->original_;
        self->detach();
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    return self->message(message, wParam, lParam);
}

bool keyHeld(int key)
{
    return (static_cast<unsigned short>(GetKeyState(key)) & 0x8000U) != 0;
}

Modifiers heldModifiers()
{
    static constexpr std::array<ModifierCode, 5> kModifierKeys { {
        { VK_SHIFT, Modifier::Shift },
        { VK_CONTROL, Modifier::Ctrl },
        { VK_MENU, Modifier::Alt },
        { VK_LWIN, Modifier::Meta },
        { VK_RWIN, Modifier::Meta },
    } };
    return modifiersOf(kModifierKeys, [](unsigned key) { return keyHeld(static_cast<int>(key)); });
}

} // namespace rt::win32
