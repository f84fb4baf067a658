#pragma once

#include "Keys.h"

#include <windows.h>

namespace rt::win32 {

// A control's window, subclassed so that the control's class sees its
// messages first, and told of the notifications its form receives for it.
// The subclass is the window procedure itself, with this object in the
// window's user data: comctl32's SetWindowSubclass finds its data through a
// window property on every message, which under Wine asks the server each
// time.
class ChildWindow {
public:
    explicit ChildWindow(HWND handle);
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    ChildWindow(ChildWindow&&) = delete;
    ChildWindow& operator=(ChildWindow&&) = delete;
    virtual ~ChildWindow();

    [[nodiscard]] HWND handle() const { return handle_; }

    // A WM_COMMAND notification from this control.
    virtual void command(WORD /*code*/) { }
    // WM_DRAWITEM for an owner-drawn control.
    virtual void draw(const DRAWITEMSTRUCT& /*item*/) { }
    // The brush of WM_CTLCOLORSTATIC; null leaves it to the system.
    virtual HBRUSH staticColours(HDC /*context*/) { return nullptr; }

protected:
    // A message to the control; the default passes it on to its class.
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the window its class's procedure back.
    void detach();

    HWND handle_;
    WNDPROC original_;
    bool attached_ = true;
};

// True while `key` is down, as of the message being handled.
[[nodiscard]] bool keyHeld(int key);
// The modifiers held, as of the message being handled.
[[nodiscard]] Modifiers heldModifiers();

} // namespace rt::win32
