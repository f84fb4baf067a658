#pragma once

#include "ChildWindow.h"
#include "Control.h"
#include "FormDefinition.h"

#include <memory>
#include <vector>
#include <windows.h>

namespace rt {

class Session;

// A form's window over Win32: a top-level window with a fixed border that
// makes and owns the form's controls, lays them out at the DPI of its monitor
// and moves the focus between them in tab order.
class FormWindow final {
public:
    FormWindow(Session& session, const FormDefinition& definition);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    FormWindow(FormWindow&&) = delete;
    FormWindow& operator=(FormWindow&&) = delete;
    ~FormWindow();

    // The control of the definition's entry `which`, counted in its order.
    [[nodiscard]] Control& control(std::size_t which) const
    {
        return dynamic_cast<Control&>(*children_.at(which));
    }
    [[nodiscard]] HWND handle() const { return handle_; }

    // Shows the window, made where its definition asks, with the focus on the
    // first control of the tab order.
    void showForm();

    // Takes Tab and Shift+Tab for this window: moves the focus and returns
    // true. The message loop asks before it dispatches a message.
    bool navigate(const MSG& message);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

    void create(Session& session, std::size_t which, int dpi);
    // The outer size for `dpi`, and the middle of the work area where asked.
    void resize(int dpi, bool centred);
    // Everything again for a monitor of another DPI.
    void layOut(int dpi);
    void setIcons(int dpi);
    // The child with control ID `id`, or null.
    [[nodiscard]] win32::ChildWindow* child(UINT_PTR id) const;
    // The controls that take the focus now, in tab order.
    [[nodiscard]] std::vector<HWND> tabStops() const;
    [[nodiscard]] HWND firstInTabOrder() const;

    const FormDefinition& definition_;
    HWND handle_ = nullptr;
    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    // The controls, in definition order; each is a Control too.
    std::vector<std::unique_ptr<win32::ChildWindow>> children_;
    // Positions in children_.
    std::vector<std::size_t> tabOrder_;
    HWND lastFocus_ = nullptr;
};

} // namespace rt
