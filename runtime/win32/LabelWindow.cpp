#include "LabelWindow.h"

namespace rt::win32 {

LabelWindow::LabelWindow(HWND handle, std::optional<COLORREF> backColour)
    : ChildWindow(handle)
    , backColour_(backColour)
{
    if (backColour_) {
        brush_ = CreateSolidBrush(*backColour_);
    }
}

LabelWindow::~LabelWindow()
{
    if (brush_ != nullptr) {
        DeleteObject(brush_);
    }
}

HBRUSH LabelWindow::staticColours(HDC context)
{
    if (!backColour_) {
        return nullptr;
    }
    SetBkColor(context, *backColour_);
    return brush_;
}

} // namespace rt::win32
