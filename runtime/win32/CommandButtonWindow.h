#pragma once

#include "ChildWindow.h"
#include "CommandButton.h"
#include "CommandButtonCore.h"
#include "Units.h"

#include <functional>
#include <optional>

namespace rt {

class Session;

namespace win32 {

// The push button over an owner-drawn BUTTON, so that a back colour covers
// the whole face whatever the visual style; its caption stays its window
// text, for screen readers. Its presses and keys go to the button's core.
class CommandButtonWindow final : public CommandButton, public ChildWindow {
public:
    CommandButtonWindow(Session& session, HWND handle, std::optional<COLORREF> backColour);
    CommandButtonWindow(const CommandButtonWindow&) = delete;
    CommandButtonWindow& operator=(const CommandButtonWindow&) = delete;
    CommandButtonWindow(CommandButtonWindow&&) = delete;
    CommandButtonWindow& operator=(CommandButtonWindow&&) = delete;
    ~CommandButtonWindow() override;

    void setClickHandler(std::function<void()> handler) override
    {
        core_.setClickHandler(std::move(handler));
    }

    // The dpi it is drawn at, for its focus frame.
    void setDpi(int dpi) { dpi_ = dpi; }

    void command(WORD code) override;
    void draw(const DRAWITEMSTRUCT& item) override;

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CommandButtonCore core_;
    HBRUSH face_;
    int dpi_ = kStandardDpi;
};

} // namespace win32
} // namespace rt
