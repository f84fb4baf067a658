#include "ListBoxWindow.h"

#include "WideText.h"

#include <algorithm>
#include <array>
#include <windowsx.h>

namespace rt::win32 {

namespace {

constexpr std::array<ListKeyCode, 9> kListKeys { { { VK_UP, ListKey::Up },
    { VK_DOWN, ListKey::Down }, { VK_LEFT, ListKey::Left }, { VK_RIGHT, ListKey::Right },
    { VK_PRIOR, ListKey::PageUp }, { VK_NEXT, ListKey::PageDown }, { VK_HOME, ListKey::Home },
    { VK_END, ListKey::End }, { VK_RETURN, ListKey::Enter } } };

// The signature Windows puts in a touch's or a pen's mouse messages.
constexpr LPARAM kTouchSignatureMask = 0xFFFFFF00;
constexpr LPARAM kTouchSignature = 0xFF515700;

} // namespace

bool fromTouch(LPARAM extraInfo)
{
    return (extraInfo & kTouchSignatureMask) == kTouchSignature;
}

ListBoxWindow::ListBoxWindow(Session& session, HWND handle)
    : ChildWindow(handle)
    , core_(session, *this, GetSystemMetrics(SM_CXDRAG))
{
}

void ListBoxWindow::setRows(const std::vector<std::u16string>& rows)
{
    SendMessageW(handle(), LB_RESETCONTENT, 0, 0);
    for (const std::u16string& row : rows) {
        SendMessageW(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row)));
    }
    core_.setRows(rows);
}

void ListBoxWindow::showSelected(int row)
{
    SendMessageW(handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void ListBoxWindow::showRow(int row)
{
    // Selecting scrolls the row into view; this shows it without selecting.
    const auto top = static_cast<int>(SendMessageW(handle(), LB_GETTOPINDEX, 0, 0));
    const ListMetrics shown = metrics();
    const int visible = std::max(shown.viewHeight / std::max(shown.rowHeight, 1), 1);
    int newTop = top;
    if (row < top) {
        newTop = row;
    } else if (row >= top + visible) {
        newTop = row - visible + 1;
    }
    if (newTop != top) {
        SendMessageW(handle(), LB_SETTOPINDEX, static_cast<WPARAM>(newTop), 0);
    }
}

void ListBoxWindow::takeFocus()
{
    SetFocus(handle());
}

ListMetrics ListBoxWindow::metrics() const
{
    RECT client {};
    GetClientRect(handle(), &client);
    return { .viewHeight = static_cast<int>(client.bottom),
        .rowHeight = static_cast<int>(SendMessageW(handle(), LB_GETITEMHEIGHT, 0, 0)) };
}

int ListBoxWindow::rowAt(LPARAM at) const
{
    const auto hit = static_cast<DWORD>(SendMessageW(handle(), LB_ITEMFROMPOINT, 0, at));
    // The high word says the point lies below the last row.
    return HIWORD(hit) == 0 ? static_cast<int>(LOWORD(hit)) : -1;
}

bool ListBoxWindow::mouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    PointerPhase phase = PointerPhase::Down;
    int button = 0;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        break;
    case WM_LBUTTONUP:
        phase = PointerPhase::Up;
        break;
    case WM_MOUSEMOVE:
        phase = PointerPhase::Move;
        button = (wParam & MK_LBUTTON) != 0 ? 0 : -1;
        break;
    default:
        return false;
    }
    const bool finger = fromTouch(GetMessageExtraInfo());
    const PointerPress press { .kind = finger ? PointerKind::Finger : PointerKind::Mouse,
        .button = button,
        .x = GET_X_LPARAM(lParam),
        .y = GET_Y_LPARAM(lParam) };
    if (finger && phase == PointerPhase::Move && button < 0) {
        // A finger's hover is none: Windows moves the cursor after a lift.
        return true;
    }
    return core_.pointer(phase, press, rowAt(lParam));
}

LRESULT ListBoxWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
        if (mouse(message, wParam, lParam)) {
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (core_.key(listKeyOf(static_cast<int>(wParam), kListKeys))) {
            return 0;
        }
        break;
    case WM_CHAR:
        core_.typed(std::u16string(1, static_cast<char16_t>(wParam)), heldModifiers());
        return 0;
    default:
        break;
    }
    return ChildWindow::message(message, wParam, lParam);
}

} // namespace rt::win32
