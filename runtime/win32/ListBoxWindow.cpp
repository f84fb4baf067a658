#include "ListBoxWindow.h"

#include "RuntimeError.h"
#include "Session.h"
#include "WideText.h"

#include <algorithm>

namespace rt::win32 {

ListBoxWindow::ListBoxWindow(Session& session, HWND handle)
    : ChildWindow(handle)
    , session_(session)
{
}

void ListBoxWindow::setRows(const std::vector<std::u16string>& rows)
{
    SendMessageW(handle(), LB_RESETCONTENT, 0, 0);
    for (const std::u16string& row : rows) {
        SendMessageW(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row)));
    }
}

int ListBoxWindow::count() const
{
    return static_cast<int>(SendMessageW(handle(), LB_GETCOUNT, 0, 0));
}

Index ListBoxWindow::ListIndex() const
{
    const auto selected = SendMessageW(handle(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? kNoSelection : static_cast<Index>(selected);
}

std::u16string ListBoxWindow::List(Index row) const
{
    if (row < 0 || row >= count()) {
        throw RuntimeError(RuntimeError::kInvalidPropertyArrayIndex);
    }
    const auto length = SendMessageW(handle(), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    std::u16string text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, u'\0');
    const auto copied = SendMessageW(
        handle(), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

void ListBoxWindow::pickRow(int row)
{
    SendMessageW(handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    raiseClick();
}

void ListBoxWindow::raiseClick()
{
    session_.raiseEvent(click_);
}

void ListBoxWindow::press(LPARAM at)
{
    SetFocus(handle());
    const auto hit = static_cast<DWORD>(SendMessageW(handle(), LB_ITEMFROMPOINT, 0, at));
    // The high word says the point lies below the last row.
    if (HIWORD(hit) == 0 && static_cast<int>(LOWORD(hit)) < count()) {
        pickRow(LOWORD(hit));
    }
}

int ListBoxWindow::rowsPerPage() const
{
    RECT client {};
    GetClientRect(handle(), &client);
    const auto rowHeight
        = std::max(static_cast<int>(SendMessageW(handle(), LB_GETITEMHEIGHT, 0, 0)), 1);
    return std::max(static_cast<int>(client.bottom) / rowHeight - 1, 1);
}

int ListBoxWindow::navigationTarget(WPARAM key) const
{
    const int last = count() - 1;
    const int selected = ListIndex();
    // With nothing selected, a move selects the row with the focus frame.
    const int frame = static_cast<int>(SendMessageW(handle(), LB_GETCARETINDEX, 0, 0));
    const int from = selected != kNoSelection ? selected : std::clamp(frame, 0, last);
    const int step = selected != kNoSelection ? 1 : 0;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        return std::max(from - step, 0);
    case VK_DOWN:
    case VK_RIGHT:
        return std::min(from + step, last);
    case VK_PRIOR:
        return std::max(from - step * rowsPerPage(), 0);
    case VK_NEXT:
        return std::min(from + step * rowsPerPage(), last);
    case VK_HOME:
        return 0;
    case VK_END:
        return last;
    default:
        return -1;
    }
}

bool ListBoxWindow::key(WPARAM key)
{
    if (count() == 0) {
        return false;
    }
    if (const int target = navigationTarget(key); target >= 0) {
        if (target != ListIndex()) {
            pickRow(target);
        }
        return true;
    }
    if (key == VK_RETURN) {
        if (ListIndex() != kNoSelection) {
            raiseClick();
        }
        return true;
    }
    return false;
}

void ListBoxWindow::typed(wchar_t character)
{
    if (shortcutModifierHeld() || character < L' ') {
        return;
    }
    // Exactly the typed character, case and all; no search by prefix.
    const std::u16string text(1, static_cast<char16_t>(character));
    for (int row = 0; row < count(); ++row) {
        if (List(static_cast<Index>(row)) == text) {
            pickRow(row);
            return;
        }
    }
}

LRESULT ListBoxWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        press(lParam);
        return 0;
    case WM_MOUSEMOVE:
        // A drag picks only the row it started on.
        if ((wParam & MK_LBUTTON) != 0) {
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        return 0;
    case WM_KEYDOWN:
        if (key(wParam)) {
            return 0;
        }
        break;
    case WM_CHAR:
        typed(static_cast<wchar_t>(wParam));
        return 0;
    default:
        break;
    }
    return ChildWindow::message(message, wParam, lParam);
}

} // namespace rt::win32
