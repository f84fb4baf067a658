// The form's window over Win32: its size, places and style, the tab order,
// and how the start function ends a run.

#include "MessageBoxAnswerer.h"
#include "SampleWindow.h"
#include "ThunRTMain.h"
#include "Units.h"

#include <memory>
#include <vector>

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
        EXPECT_TRUE(rt::windowOf(form).navigate(message));
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
    EXPECT_FALSE(rt::windowOf(form).navigate(other));
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
    const testing_support::MessageBoxAnswerer answerer;
    const rt::ProjectDescription project { .name = rt::windows1251::view(sample::kCaption),
        .createStartupForm = &failingLoad };
    EXPECT_EQ(rt::ThunRTMain(project), rt::kErrorExitStatus);
    EXPECT_EQ(answerer.seen(),
        (std::vector<testing_support::Message> { { u"Проба", rt::RuntimeError(381).message() } }));
    pump();
}

TEST(StartFunction, ClosingTheFormEndsWithStatusZero)
{
    const rt::ProjectDescription project { .name = rt::windows1251::view(sample::kCaption),
        .createStartupForm = &closedAtOnce };
    EXPECT_EQ(rt::ThunRTMain(project), 0);
}

} // namespace
} // namespace win32_testing
