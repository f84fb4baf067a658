#pragma once

#include "ChildWindow.h"
#include "ListBox.h"
#include "ListBoxCore.h"

#include <functional>
#include <string>
#include <vector>

namespace rt {

class Session;

namespace win32 {

// The list box over a LISTBOX control: it hands its mouse messages, keys and
// characters to the list's core and shows the selection the core decides.
// Every press picks once, never through LBN_SELCHANGE, which a press on the
// selected row may or may not send. The control's own dragging and prefix
// search are off. A finger reaches it as the mouse messages Windows makes of
// a tap, marked as a touch's, and is told to the core as a finger.
class ListBoxWindow final : public ListBox, public ChildWindow, private ListBoxView {
public:
    ListBoxWindow(Session& session, HWND handle);

    void setRows(const std::vector<std::u16string>& rows);
    void setClickHandler(std::function<void()> handler) override
    {
        core_.setClickHandler(std::move(handler));
    }

    [[nodiscard]] Index ListIndex() const override { return core_.selected(); }
    [[nodiscard]] std::u16string List(Index row) const override { return core_.row(row); }

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void showSelected(int row) override;
    void showRow(int row) override;
    void takeFocus() override;
    [[nodiscard]] ListMetrics metrics() const override;
    // True when the core took the mouse message.
    bool mouse(UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] int rowAt(LPARAM at) const;

    ListBoxCore core_;
};

// Whether a mouse message comes from a touch or a pen, as Windows marks the
// messages it makes of them, in their extra information.
[[nodiscard]] bool fromTouch(LPARAM extraInfo);

} // namespace win32
} // namespace rt
