#pragma once

#include "ChildWindow.h"
#include "ListBox.h"

#include <functional>
#include <string>
#include <vector>

namespace rt {

class Session;

namespace win32 {

// The list box over a LISTBOX control. A pick is decided from the press or
// key itself, never from LBN_SELCHANGE, which a press on the selected row may
// or may not send: so every press picks once. The control's own dragging and
// prefix search are off.
class ListBoxWindow final : public ListBox, public ChildWindow {
public:
    ListBoxWindow(Session& session, HWND handle);

    void setRows(const std::vector<std::u16string>& rows);
    void setClickHandler(std::function<void()> handler) override { click_ = std::move(handler); }

    [[nodiscard]] Index ListIndex() const override;
    [[nodiscard]] std::u16string List(Index row) const override;

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void press(LPARAM at);
    bool key(WPARAM key);
    void typed(wchar_t character);
    void pickRow(int row);
    void raiseClick();
    [[nodiscard]] int count() const;

    Session& session_;
    std::function<void()> click_;
    // What the rows say, for the typed characters.
    std::vector<std::u16string> rows_;
};

} // namespace win32
} // namespace rt
