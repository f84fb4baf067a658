#include "CommandButtonWindow.h"

#include "Session.h"

#include <string>

namespace rt::win32 {

CommandButtonWindow::CommandButtonWindow(
    Session& session, HWND handle, std::optional<COLORREF> backColour)
    : ChildWindow(handle)
    , session_(session)
    , face_(backColour ? CreateSolidBrush(*backColour) : GetSysColorBrush(COLOR_BTNFACE))
{
}

CommandButtonWindow::~CommandButtonWindow()
{
    // Deleting a system colour brush does no harm.
    DeleteObject(face_);
}

void CommandButtonWindow::command(WORD code)
{
    // An owner-drawn button reports the second press of a double-click as a
    // double-click, not as a click; it is a press all the same.
    if (code == BN_CLICKED || code == BN_DOUBLECLICKED) {
        session_.raiseEvent(click_);
    }
}

void CommandButtonWindow::draw(const DRAWITEMSTRUCT& item)
{
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &face, face_);
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const int length = GetWindowTextLengthW(handle());
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(handle(), caption.data(), length + 1);
    RECT text = face;
    if (pressed) {
        OffsetRect(&text, 1, 1);
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(item.hDC, caption.c_str(), length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        // Black dots show on any face colour.
        SetTextColor(item.hDC, RGB(0, 0, 0));
        SetBkColor(item.hDC, RGB(255, 255, 255));
        DrawFocusRect(item.hDC, &focus);
    }
}

LRESULT CommandButtonWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A focused button takes Enter as well as Space.
    constexpr LPARAM kRepeat = LPARAM { 1 } << 30U;
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        if ((lParam & kRepeat) == 0) {
            session_.raiseEvent(click_);
        }
        return 0;
    }
    if (message == WM_CHAR && wParam == L'\r') {
        return 0;
    }
    return ChildWindow::message(message, wParam, lParam);
}

} // namespace rt::win32
