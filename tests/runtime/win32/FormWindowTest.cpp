// The form's window over Win32: its size, places and style, the tab order,
// and how the start function ends a run.

#include "SampleWindow.h"
#include "ThunRTMain.h"
#include "Units.h"

#include <memory>

namespace win32_testing {
namespace {

using FormWindow = SampleWindow;

RECT placeInParent(HWND child)
{
    RECT rect {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(FormWindow, ClientAreaAndControlsHaveTheirExactPlacesAt96Dpi)
{
    const HWND window = rt::handleOf(form);
    RECT client {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, rt::twipsToPixels(sample::kForm.clientWidth));
    EXPECT_EQ(client.bottom, rt::twipsToPixels(sample::kForm.clientHeight));

    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const DWORD minimiseBox = WS_MINIMIZEBOX;
    const DWORD maximiseBoxOrSizingBorder = WS_MAXIMIZEBOX | WS_THICKFRAME;
    EXPECT_NE(style & minimiseBox, 0U);
    EXPECT_EQ(style & maximiseBoxOrSizingBorder, 0U);

    // The list keeps its height although it is no whole number of rows.
    const auto expect = [](HWND child, const rt::TwipsRect& twips) {
        const rt::PixelRect place = rt::toPixels(twips);
        const RECT actual = placeInParent(child);
        EXPECT_EQ(actual.left, place.left);
        EXPECT_EQ(actual.top, place.top);
        EXPECT_EQ(actual.right - actual.left, place.width);
        EXPECT_EQ(actual.bottom - actual.top, place.height);
    };
    expect(listWindow(), sample::kControls[1].place);
    expect(boxWindow(), sample::kControls[3].place);
    expect(rt::handleOf(button), sample::kControls[0].place);
}

TEST_F(FormWindow, TabVisitsTheVisibleControlsInTabOrder)
{
    const HWND window = rt::handleOf(form);
    EXPECT_EQ(GetFocus(), boxWindow());
    const auto tab = [&] {
        const MSG message { GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {} };
        EXPECT_TRUE(form.window().navigate(message));
    };
    tab();
    EXPECT_EQ(GetFocus(), listWindow());
    tab();
    EXPECT_EQ(GetFocus(), rt::handleOf(button));
    tab(); // past the hidden box and the label
    EXPECT_EQ(GetFocus(), boxWindow());
    setKeyHeld(VK_SHIFT, true);
    tab();
    EXPECT_EQ(GetFocus(), rt::handleOf(button));
    EXPECT_TRUE(picks.empty()) << "tabbing into the list picks nothing";

    const MSG other { window, WM_KEYDOWN, 'A', 1, 0, {} };
    EXPECT_FALSE(form.window().navigate(other));
}

TEST_F(FormWindow, EnterAndSpaceClickAFocusedButton)
{
    int clicks = 0;
    button.setClickHandler([&] { ++clicks; });
    const HWND buttonWindow = rt::handleOf(button);
    SetFocus(buttonWindow);
    sendKey(buttonWindow, VK_RETURN);
    SendMessageW(buttonWindow, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageW(buttonWindow, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001U));
    pump();
    EXPECT_EQ(clicks, 2);
}

// Answers the message box that a run-time error shows, noting its texts.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() { timer_ = SetTimer(nullptr, 0, 50, &tick); }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer(MessageBoxAnswerer&&) = delete;
    MessageBoxAnswerer& operator=(MessageBoxAnswerer&&) = delete;
    ~MessageBoxAnswerer() { KillTimer(nullptr, timer_); }

    static inline std::wstring title;
    static inline std::wstring text;
    static inline int boxes = 0;

private:
    static BOOL CALLBACK answer(HWND window, LPARAM /*unused*/)
    {
        wchar_t className[32] {};
        GetClassNameW(window, className, 32);
        if (std::wstring_view(className) != L"#32770" || IsWindowVisible(window) == FALSE) {
            return TRUE;
        }
        wchar_t buffer[512] {};
        GetWindowTextW(window, buffer, 512);
        title = buffer;
        GetDlgItemTextW(window, 0xFFFF, buffer, 512);
        text = buffer;
        ++boxes;
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    static void CALLBACK tick(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/)
    {
        EnumThreadWindows(GetCurrentThreadId(), &answer, 0);
    }

    UINT_PTR timer_ = 0;
};

std::unique_ptr<rt::Form> failingLoad(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    form->setLoadHandler(
        [] { throw rt::RuntimeError(rt::RuntimeError::kInvalidPropertyArrayIndex); });
    return form;
}

std::unique_ptr<rt::Form> closedAtOnce(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    form->setLoadHandler([&form = *form] { PostMessageW(rt::handleOf(form), WM_CLOSE, 0, 0); });
    return form;
}

TEST(StartFunction, AnErrorInLoadIsReportedAndEndsTheRunWithStatusOne)
{
    const MessageBoxAnswerer answerer;
    MessageBoxAnswerer::boxes = 0;
    const rt::ProjectDescription project { .name = "Проба", .createStartupForm = &failingLoad };
    EXPECT_EQ(rt::ThunRTMain(project), rt::kErrorExitStatus);
    EXPECT_EQ(MessageBoxAnswerer::boxes, 1);
    EXPECT_EQ(MessageBoxAnswerer::title, L"Проба");
    const std::u16string expected = rt::RuntimeError(381).message();
    EXPECT_EQ(MessageBoxAnswerer::text, std::wstring(expected.begin(), expected.end()));
    pump();
}

TEST(StartFunction, ClosingTheFormEndsWithStatusZero)
{
    const rt::ProjectDescription project { .name = "Проба", .createStartupForm = &closedAtOnce };
    EXPECT_EQ(rt::ThunRTMain(project), 0);
}

} // namespace
} // namespace win32_testing
