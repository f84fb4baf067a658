#pragma once

// The Win32 windows behind a form and its controls, for tests that send them
// real input messages, and for benchmarks.

#include "CommandButtonWindow.h"
#include "Form.h"
#include "FormWindow.h"
#include "LabelWindow.h"
#include "ListBoxWindow.h"
#include "TextBoxWindow.h"

namespace rt {

// On this platform every control of a kind is that kind's window.
inline HWND handleOf(TextBox& control)
{
    return static_cast<win32::TextBoxWindow&>(control).handle();
}
inline HWND handleOf(ListBox& control)
{
    return static_cast<win32::ListBoxWindow&>(control).handle();
}
inline HWND handleOf(CommandButton& control)
{
    return static_cast<win32::CommandButtonWindow&>(control).handle();
}
inline HWND handleOf(Label& control)
{
    return static_cast<win32::LabelWindow&>(control).handle();
}
inline win32::FormWindow& windowOf(const Form& form)
{
    return static_cast<win32::FormWindow&>(form.window());
}
inline HWND handleOf(const Form& form)
{
    return windowOf(form).handle();
}

} // namespace rt
