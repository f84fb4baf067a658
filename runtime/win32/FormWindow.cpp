#include "FormWindow.h"

#include "CommandButtonWindow.h"
#include "Dpi.h"
#include "FormContents.h"
#include "FormKeys.h"
#include "LabelWindow.h"
#include "ListBoxWindow.h"
#include "TextBoxWindow.h"
#include "Units.h"
#include "WideText.h"
#include "Windows1251.h"

#include <algorithm>
#include <string>

namespace rt {

namespace {

using win32::wide;

constexpr UINT_PTR kFirstControlId = 100;
constexpr int kStandardIconSize = 32;
constexpr int kStandardSmallIconSize = 16;

std::u16string decoded(std::string_view bytes)
{
    return windows1251::decode(bytes);
}

// &H00BBGGRR& is a COLORREF already.
COLORREF colourRef(Colour colour)
{
    const Rgb rgb = toRgb(colour);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

std::optional<COLORREF> colourRef(const std::optional<Colour>& colour)
{
    return colour ? std::optional(colourRef(*colour)) : std::nullopt;
}

DWORD styleOf(const FormDefinition& definition)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (definition.minButton) {
        style |= WS_MINIMIZEBOX;
    }
    if (definition.maxButton) {
        style |= WS_MAXIMIZEBOX;
    }
    if (definition.sizable) {
        style |= WS_THICKFRAME;
    }
    return style;
}

// One window class for each form, with the form's background as its brush;
// returns its name.
std::u16string registerClass(const FormDefinition& definition, WNDPROC procedure)
{
    std::u16string name = u"rt.Form." + decoded(definition.name);
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(windowClass);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, wide(name), &windowClass) == FALSE) {
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = definition.backColour
            ? CreateSolidBrush(colourRef(*definition.backColour))
            : GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = wide(name);
        RegisterClassExW(&windowClass);
    }
    return name;
}

// The program's icon is the executable's first icon resource.
// NOLINTNEXTLINE(readability-non-const-parameter): EnumResourceNamesW's callback type
BOOL CALLBACK takeFirstName(HMODULE /*module*/, LPCWSTR /*type*/, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<LPCWSTR*>(found) = name;
    return FALSE;
}

HICON programIcon(int size)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    LPCWSTR name = nullptr;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, &takeFirstName,
        reinterpret_cast<LONG_PTR>(&name));
    if (name == nullptr) {
        return nullptr;
    }
    return static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(const ControlDefinition& definition)
{
    switch (definition.kind) {
    case ControlKind::TextBox:
        return { L"EDIT",
            WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL
                | (definition.verticalScrollBar ? WS_VSCROLL : 0U),
            WS_EX_CLIENTEDGE };
    case ControlKind::ListBox:
        return { L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
            WS_EX_CLIENTEDGE };
    case ControlKind::CommandButton:
        return { L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0 };
    case ControlKind::Label:
        return { L"STATIC",
            static_cast<DWORD>(SS_NOPREFIX | (definition.centred ? SS_CENTER : SS_LEFT)), 0 };
    }
    return { L"STATIC", 0, 0 };
}

HFONT fontAt(const FontDefinition& font, int dpi)
{
    const std::u16string name = decoded(font.name);
    return CreateFontW(-MulDiv(font.points, dpi, kPointsPerInch), 0, 0, 0, font.weight,
        font.italic ? TRUE : FALSE, font.underline ? TRUE : FALSE, font.strikeout ? TRUE : FALSE,
        static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, wide(name));
}

} // namespace

namespace win32 {

FormWindow::FormWindow(Session& session, const FormDefinition& definition)
    : definition_(definition)
    , children_(definition.controls.size())
    , tabOrder_(tabOrder(definition))
    , tabStops_(rt::tabStops(definition))
{
    const std::u16string className = registerClass(definition, &procedure);
    const std::u16string caption = decoded(definition.caption);
    CreateWindowExW(0, wide(className), wide(caption), styleOf(definition), CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
        this);

    // Everything is made at its size, place and font for the monitor's DPI
    // at once: a second pass would lay out and repaint the window again.
    monitorDpi_ = win32::dpiOf(handle_);
    fit_ = fitAt(monitorDpi_, definition.clientWidth, definition.clientHeight);
    font_ = fontAt(definition.font, monitorDpi_);
    resize(monitorDpi_, definition.startCentred);
    // Windows' tab order is the order of creation, so the controls are made
    // in tab order.
    for (const std::size_t which : tabOrder_) {
        create(session, which, monitorDpi_);
    }
    if (definition.icon != nullptr) {
        setIcons(monitorDpi_);
    }
}

FormWindow::~FormWindow()
{
    children_.clear();
    if (IsWindow(handle_) != FALSE) {
        DestroyWindow(handle_);
    }
    DeleteObject(font_);
    DestroyIcon(bigIcon_);
    DestroyIcon(smallIcon_);
}

void FormWindow::create(Session& session, std::size_t which, int dpi)
{
    const ControlDefinition& definition = definition_.controls[which];
    const ControlContents contents = contentsOf(definition);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!contents.accessibleName.empty()) {
        // Screen readers name an edit or list box after the label just before
        // it; this one shows nowhere.
        CreateWindowExW(0, L"STATIC", wide(contents.accessibleName), WS_CHILD | SS_NOPREFIX, 0, 0,
            0, 0, handle_, nullptr, instance, nullptr);
    }
    const ControlClass kind = classOf(definition);
    const std::u16string& text
        = definition.kind == ControlKind::ListBox ? std::u16string() : contents.text;
    const PixelRect place = toPixels(definition.place, dpi);
    const HWND control = CreateWindowExW(kind.exStyle, kind.name, wide(text),
        WS_CHILD | WS_CLIPSIBLINGS | kind.style | (definition.visible ? WS_VISIBLE : 0U),
        place.left, place.top, place.width, place.height, handle_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + which)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    switch (definition.kind) {
    case ControlKind::TextBox:
        children_[which] = std::make_unique<win32::TextBoxWindow>(session, control);
        break;
    case ControlKind::ListBox: {
        auto list = std::make_unique<win32::ListBoxWindow>(session, control);
        list->setRows(contents.rows);
        children_[which] = std::move(list);
        break;
    }
    case ControlKind::CommandButton:
        children_[which] = std::make_unique<win32::CommandButtonWindow>(
            session, control, colourRef(definition.backColour));
        break;
    case ControlKind::Label:
        children_[which]
            = std::make_unique<win32::LabelWindow>(control, colourRef(definition.backColour));
        break;
    }
}

SIZE FormWindow::outerSizeAt(int dpi) const
{
    return win32::outerSize({ twipsToPixels(definition_.clientWidth, dpi),
                                twipsToPixels(definition_.clientHeight, dpi) },
        styleOf(definition_), 0, dpi);
}

void FormWindow::resize(int dpi, bool centred)
{
    const SIZE outer = outerSizeAt(dpi);
    POINT at {};
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (centred) {
        MONITORINFO monitor {};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(handle_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& area = monitor.rcWork;
        at = { area.left + (area.right - area.left - outer.cx) / 2,
            area.top + (area.bottom - area.top - outer.cy) / 2 };
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(handle_, nullptr, at.x, at.y, outer.cx, outer.cy, flags);
}

void FormWindow::layOut(const FormFit& fit)
{
    const HFONT newFont = fit.dpi != fit_.dpi ? fontAt(definition_.font, fit.dpi) : nullptr;
    const RECT board { fit.board.left, fit.board.top, fit.board.left + fit.board.width,
        fit.board.top + fit.board.height };
    for (std::size_t i = 0; i < children_.size(); ++i) {
        PixelRect place = toPixels(definition_.controls[i].place, fit.dpi);
        place.left += fit.board.left;
        place.top += fit.board.top;
        const HWND control = children_[i]->handle();
        SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        if (newFont != nullptr) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), TRUE);
        }
        if (auto* button = dynamic_cast<win32::CommandButtonWindow*>(children_[i].get())) {
            button->setDpi(fit.dpi);
        }
        // What lies past the client area's edge is cut off there, not shown
        // in the margin.
        const RECT inside { board.left - place.left, board.top - place.top,
            board.right - place.left, board.bottom - place.top };
        const bool within = inside.left <= 0 && inside.top <= 0 && inside.right >= place.width
            && inside.bottom >= place.height;
        SetWindowRgn(control, within ? nullptr : CreateRectRgnIndirect(&inside), TRUE);
    }
    if (newFont != nullptr) {
        DeleteObject(font_);
        font_ = newFont;
    }
    fit_ = fit;
    InvalidateRect(handle_, nullptr, TRUE);
}

void FormWindow::sized(int width, int height)
{
    // The first sizes come before the controls are made.
    if (!definition_.sizable
        || std::any_of(children_.begin(), children_.end(),
            [](const auto& child) { return child == nullptr; })) {
        return;
    }
    const FormFit fit = fitForm(width, height, definition_.clientWidth, definition_.clientHeight);
    if (fit != fit_) {
        layOut(fit);
    }
}

void FormWindow::dpiChanged(int dpi, const RECT& suggested)
{
    monitorDpi_ = dpi;
    if (definition_.icon != nullptr) {
        setIcons(dpi);
    }
    if (definition_.sizable) {
        // It lays itself out again at its new size, in WM_SIZE.
        SetWindowPos(handle_, nullptr, suggested.left, suggested.top,
            suggested.right - suggested.left, suggested.bottom - suggested.top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    layOut(fitAt(dpi, definition_.clientWidth, definition_.clientHeight));
    resize(dpi, false);
    SetWindowPos(handle_, nullptr, suggested.left, suggested.top, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::setFullScreen(bool fullScreen)
{
    const auto style = static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE));
    if (fullScreen && !windowed_) {
        WINDOWPLACEMENT placement {};
        placement.length = sizeof(placement);
        GetWindowPlacement(handle_, &placement);
        windowed_ = placement;
        MONITORINFO monitor {};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(handle_, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& screen = monitor.rcMonitor;
        SetWindowLongW(handle_, GWL_STYLE, static_cast<LONG>(style & ~WS_OVERLAPPEDWINDOW));
        SetWindowPos(handle_, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
            screen.bottom - screen.top, SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
    } else if (!fullScreen && windowed_) {
        SetWindowLongW(handle_, GWL_STYLE, static_cast<LONG>(style | styleOf(definition_)));
        SetWindowPlacement(handle_, &*windowed_);
        windowed_.reset();
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
            SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
}

void FormWindow::setIcons(int dpi)
{
    const HICON big = programIcon(MulDiv(kStandardIconSize, dpi, kStandardDpi));
    const HICON small = programIcon(MulDiv(kStandardSmallIconSize, dpi, kStandardDpi));
    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    DestroyIcon(bigIcon_);
    DestroyIcon(smallIcon_);
    bigIcon_ = big;
    smallIcon_ = small;
}

void FormWindow::showForm()
{
    ShowWindow(handle_, SW_SHOW);
    UpdateWindow(handle_);
    SetForegroundWindow(handle_);
    SetFocus(firstInTabOrder());
}

std::vector<HWND> FormWindow::tabStops() const
{
    std::vector<HWND> stops;
    for (const std::size_t which : tabStops_) {
        stops.push_back(children_[which]->handle());
    }
    return stops;
}

HWND FormWindow::firstInTabOrder() const
{
    const std::vector<HWND> stops = tabStops();
    return stops.empty() ? handle_ : stops.front();
}

bool FormWindow::navigate(const MSG& message)
{
    if (message.message != WM_KEYDOWN
        || (message.hwnd != handle_ && IsChild(handle_, message.hwnd) == FALSE)) {
        return false;
    }
    if (message.wParam == VK_F11 || message.wParam == VK_ESCAPE) {
        const FormKey key = message.wParam == VK_F11 ? FormKey::FullScreen : FormKey::Escape;
        const std::optional<bool> fullScreen = definition_.sizable
            ? fullScreenAfter(key, win32::heldModifiers(), windowed_.has_value())
            : std::nullopt;
        if (fullScreen) {
            setFullScreen(*fullScreen);
        }
        return fullScreen.has_value();
    }
    const Modifiers modifiers = win32::heldModifiers();
    if (message.wParam != VK_TAB || !tabMovesFocus(modifiers)) {
        return false;
    }
    if (const HWND target = tabTarget(tabStops(), GetFocus(), modifiers.shift)) {
        SetFocus(target);
    }
    return true;
}

win32::ChildWindow* FormWindow::child(UINT_PTR id) const
{
    const UINT_PTR which = id - kFirstControlId;
    return id >= kFirstControlId && which < children_.size() ? children_[which].get() : nullptr;
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    // A few messages come before WM_NCCREATE.
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->message(message, wParam, lParam);
}

LRESULT FormWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Menus and accelerators send no window.
        if (win32::ChildWindow* control = lParam != 0 ? child(LOWORD(wParam)) : nullptr) {
            control->command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_DRAWITEM:
        if (win32::ChildWindow* control = child(wParam)) {
            control->draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC: {
        const auto id = static_cast<UINT_PTR>(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        if (win32::ChildWindow* control = child(id)) {
            if (HBRUSH brush = control->staticColours(reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        break;
    }
    case WM_ACTIVATE:
        // A window that is not a dialog must give the focus back itself.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focus = GetFocus();
                focus != nullptr && IsChild(handle_, focus) != FALSE) {
                lastFocus_ = focus;
            }
        } else if (HIWORD(wParam) == 0) {
            SetFocus(lastFocus_ != nullptr && IsWindow(lastFocus_) != FALSE ? lastFocus_
                                                                            : firstInTabOrder());
        }
        return 0;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            sized(LOWORD(lParam), HIWORD(lParam));
        }
        return 0;
    case WM_GETMINMAXINFO:
        // No smaller than the definition's client area at the monitor's DPI.
        if (definition_.sizable) {
            const SIZE least = outerSizeAt(monitorDpi_);
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            limits.ptMinTrackSize = { least.cx, least.cy };
            return 0;
        }
        break;
    case WM_CLOSE:
        // Closing the form ends the program at once.
        DestroyWindow(handle_);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(handle_, message, wParam, lParam);
        handle_ = nullptr;
        return result;
    }
    default:
        break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

} // namespace win32
} // namespace rt
