#pragma once

#include "ChildWindow.h"
#include "Control.h"
#include "FormDefinition.h"
#include "FormFit.h"
#include "PlatformForm.h"

#include <memory>
#include <optional>
#include <vector>
#include <windows.h>

namespace rt {

class Session;

namespace win32 {

// A form's window over Win32: a top-level window that makes and owns the
// form's controls, lays them out at the DPI of its monitor and moves the
// focus between them in tab order. A sizable form fills its client area,
// scaled in proportion and centred, and is never smaller than its
// definition's size.
class FormWindow final : public PlatformForm {
public:
    FormWindow(Session& session, const FormDefinition& definition);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    FormWindow(FormWindow&&) = delete;
    FormWindow& operator=(FormWindow&&) = delete;
    ~FormWindow() override;

    // The control of the definition's entry `which`, counted in its order.
    [[nodiscard]] Control& control(std::size_t which) const override
    {
        return dynamic_cast<Control&>(*children_.at(which));
    }
    [[nodiscard]] HWND handle() const { return handle_; }

    // Shows the window, made where its definition asks, with the focus on the
    // first control of the tab order.
    void showForm() override;

    // Takes the window's own keys and returns true: Tab and Shift+Tab move
    // the focus; on a sizable form F11 and Escape put it on the whole screen
    // and back. The message loop asks before it dispatches a message.
    bool navigate(const MSG& message);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

    void create(Session& session, std::size_t which, int dpi);
    // The outer size for `dpi`, and the middle of the work area where asked.
    void resize(int dpi, bool centred);
    // The outer size of the definition's client area at `dpi`.
    [[nodiscard]] SIZE outerSizeAt(int dpi) const;
    // Every control again at `fit`, with the font for its dpi.
    void layOut(const FormFit& fit);
    void sized(int width, int height);
    void dpiChanged(int dpi, const RECT& suggested);
    void setFullScreen(bool fullScreen);
    void setIcons(int dpi);
    // The child with control ID `id`, or null.
    [[nodiscard]] win32::ChildWindow* child(UINT_PTR id) const;
    // The controls that take the focus now, in tab order.
    [[nodiscard]] std::vector<HWND> tabStops() const;
    [[nodiscard]] HWND firstInTabOrder() const;

    const FormDefinition& definition_;
    HWND handle_ = nullptr;
    // The monitor's DPI, and where the controls stand at the effective one.
    int monitorDpi_ = kStandardDpi;
    FormFit fit_;
    // The window's style and place before it took the whole screen.
    std::optional<WINDOWPLACEMENT> windowed_;
    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    // The controls, in definition order; each is a Control too.
    std::vector<std::unique_ptr<win32::ChildWindow>> children_;
    // Positions in children_.
    std::vector<std::size_t> tabOrder_;
    std::vector<std::size_t> tabStops_;
    HWND lastFocus_ = nullptr;
};

} // namespace win32
} // namespace rt
