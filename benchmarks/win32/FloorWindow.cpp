// The floor for Zorbika's start-up on Windows: the same window written as a
// plain Win32 program, with the same controls in the same font and places,
// the same contents, owner-drawn buttons, icon and manifest, and nothing else:
// no runtime layer, no subclassing, no logic.

#include "CharacterList.h"
#include "Units.h"
#include "Windows1251.h"
#include "ZorbikaDefinition.h"

#include <string>
#include <windows.h>

namespace {

const rt::FormDefinition& form()
{
    return zorbika::zorbikaDefinition();
}

std::wstring decoded(std::string_view bytes)
{
    const std::u16string text = rt::windows1251::decode(bytes);
    return { text.begin(), text.end() };
}

COLORREF colourOf(rt::Colour colour)
{
    const rt::Rgb rgb = rt::toRgb(colour);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

void drawButton(const DRAWITEMSTRUCT& item)
{
    const auto& control = form().controls[item.CtlID];
    RECT face = item.rcItem;
    const HBRUSH brush = CreateSolidBrush(colourOf(control.backColour.value_or(0xC0C0C0)));
    FillRect(item.hDC, &face, brush);
    DeleteObject(brush);
    DrawEdge(item.hDC, &face, EDGE_RAISED, BF_RECT);
    wchar_t caption[64] {};
    const int length = GetWindowTextW(item.hwndItem, caption, 64);
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, caption, length, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void addControls(HWND window, HINSTANCE instance)
{
    const rt::FontDefinition& font = form().font;
    const HFONT handle
        = CreateFontW(-MulDiv(font.points, rt::kStandardDpi, 72), 0, 0, 0, font.weight, FALSE,
            FALSE, FALSE, static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, decoded(font.name).c_str());
    for (std::size_t i = 0; i < form().controls.size(); ++i) {
        const rt::ControlDefinition& control = form().controls[i];
        const wchar_t* kind = L"STATIC";
        DWORD style = WS_CHILD | (control.visible ? WS_VISIBLE : 0U);
        DWORD exStyle = 0;
        switch (control.kind) {
        case rt::ControlKind::TextBox:
            kind = L"EDIT";
            style |= WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case rt::ControlKind::ListBox:
            kind = L"LISTBOX";
            style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case rt::ControlKind::CommandButton:
            kind = L"BUTTON";
            style |= WS_TABSTOP | BS_OWNERDRAW;
            break;
        case rt::ControlKind::Label:
            style |= SS_CENTER;
            break;
        }
        const rt::PixelRect place = rt::toPixels(control.place);
        const HWND child = CreateWindowExW(exStyle, kind, decoded(control.text).c_str(), style,
            place.left, place.top, place.width, place.height, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(i)), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
        if (control.kind == rt::ControlKind::ListBox) {
            for (std::size_t row = 0; row < board::kCharacterRowCount; ++row) {
                const std::u16string_view text = board::characterRow(row);
                const std::wstring wide(text.begin(), text.end());
                SendMessageW(child, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
            }
        }
    }
}

} // namespace

// The parameters keep the names of the system's own declaration.
int WINAPI wWinMain(
    HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &procedure;
    windowClass.hInstance = hInstance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(hInstance, L"IDI_ICON1");
    windowClass.hbrBackground = CreateSolidBrush(colourOf(form().backColour.value_or(0)));
    windowClass.lpszClassName = L"Floor";
    RegisterClassExW(&windowClass);

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer { 0, 0, rt::twipsToPixels(form().clientWidth),
        rt::twipsToPixels(form().clientHeight) };
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT area {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const HWND window = CreateWindowExW(0, L"Floor", decoded(form().caption).c_str(), kStyle,
        area.left + (area.right - area.left - width) / 2,
        area.top + (area.bottom - area.top - height) / 2, width, height, nullptr, nullptr,
        hInstance, nullptr);
    addControls(window, hInstance);
    ShowWindow(window, nShowCmd);
    UpdateWindow(window);

    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
