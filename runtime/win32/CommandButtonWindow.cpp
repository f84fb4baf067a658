#include "CommandButtonWindow.h"

#include <string>

namespace rt::win32 {

CommandButtonWindow::CommandButtonWindow(
    Session& session, HWND handle, std::optional<COLORREF> backColour)
    : ChildWindow(handle)
    , core_(session)
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
        core_.clicked();
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
        const int inset = twipsToPixels(CommandButtonCore::kFocusFrameInset, dpi_);
        InflateRect(&focus, -inset, -inset);
        // Black dots show on any face colour.
        SetTextColor(item.hDC, RGB(0, 0, 0));
        SetBkColor(item.hDC, RGB(255, 255, 255));
        DrawFocusRect(item.hDC, &focus);
    }
}

LRESULT CommandButtonWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Bit 30 is set on a key's auto-repeat.
    constexpr LPARAM kRepeat = LPARAM { 1 } << 30U;
    if (message == WM_KEYDOWN
        && core_.key(
            wParam == VK_RETURN ? ButtonKey::Enter : ButtonKey::Other, (lParam & kRepeat) != 0)) {
        return 0;
    }
    if (message == WM_CHAR && wParam == L'\r') {
        return 0;
    }
    return ChildWindow::message(message, wParam, lParam);
}

} // namespace rt::win32
