#include "ListBoxWindow.h"

#include "ListKeys.h"
#include "RuntimeError.h"
#include "Session.h"
#include "WideText.h"

#include <algorithm>
#include <array>
#include <optional>

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
    rows_ = rows;
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

namespace {

constexpr std::array<ListKeyCode, 9> kListKeys { { { VK_UP, ListKey::Up },
    { VK_DOWN, ListKey::Down }, { VK_LEFT, ListKey::Left }, { VK_RIGHT, ListKey::Right },
    { VK_PRIOR, ListKey::PageUp }, { VK_NEXT, ListKey::PageDown }, { VK_HOME, ListKey::Home },
    { VK_END, ListKey::End }, { VK_RETURN, ListKey::Enter } } };

} // namespace

bool ListBoxWindow::key(WPARAM key)
{
    RECT client {};
    GetClientRect(handle(), &client);
    const ListState state { .count = count(),
        .selected = ListIndex(),
        .focusRow = static_cast<int>(SendMessageW(handle(), LB_GETCARETINDEX, 0, 0)),
        .viewHeight = static_cast<int>(client.bottom),
        .rowHeight = static_cast<int>(SendMessageW(handle(), LB_GETITEMHEIGHT, 0, 0)) };
    const std::optional<ListKeyAction> action
        = actionOfKey(listKeyOf(static_cast<int>(key), kListKeys), state);
    if (!action) {
        return false;
    }
    // Selecting scrolls the row into view.
    if (action->show >= 0) {
        SendMessageW(handle(), LB_SETCURSEL, static_cast<WPARAM>(action->show), 0);
    }
    if (action->click) {
        raiseClick();
    }
    return true;
}

void ListBoxWindow::typed(wchar_t character)
{
    const std::u16string text(1, static_cast<char16_t>(character));
    if (const int row = rowOfTyped(rows_, typedCharacter(text, heldModifiers())); row >= 0) {
        pickRow(row);
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
