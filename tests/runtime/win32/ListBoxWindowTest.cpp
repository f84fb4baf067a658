// The list box over a LISTBOX control: every press, key and typed character
// that the rules call a pick raises Click once, and nothing else does.

#include "SampleWindow.h"

namespace win32_testing {
namespace {

using ListBoxMouse = SampleWindow;
using ListBoxKeyboard = SampleWindow;

TEST_F(ListBoxMouse, EveryPressPicksOnceTheSelectedRowToo)
{
    EXPECT_EQ(list.ListIndex(), rt::kNoSelection);
    press(1);
    press(1);
    press(0);
    EXPECT_EQ(picks, (std::vector<rt::Index> { 1, 1, 0 }));
    EXPECT_EQ(GetFocus(), listWindow());
}

TEST_F(ListBoxMouse, ADoubleClickIsTwoPicks)
{
    const LPARAM at = centreOfRow(1);
    SendMessageW(listWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(listWindow(), WM_LBUTTONUP, 0, at);
    SendMessageW(listWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(listWindow(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(picks, (std::vector<rt::Index> { 1, 1 }));
}

TEST_F(ListBoxMouse, ADragPicksOnlyThePressedRowAndOtherButtonsNothing)
{
    SendMessageW(listWindow(), WM_LBUTTONDOWN, MK_LBUTTON, centreOfRow(0));
    SendMessageW(listWindow(), WM_MOUSEMOVE, MK_LBUTTON, centreOfRow(1));
    SendMessageW(listWindow(), WM_LBUTTONUP, 0, centreOfRow(1));
    EXPECT_EQ(picks, (std::vector<rt::Index> { 0 }));
    EXPECT_EQ(list.ListIndex(), 0);

    SendMessageW(listWindow(), WM_RBUTTONDOWN, MK_RBUTTON, centreOfRow(1));
    SendMessageW(listWindow(), WM_RBUTTONUP, 0, centreOfRow(1));
    SendMessageW(listWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), centreOfRow(1));
    // Below the last row.
    RECT client {};
    GetClientRect(listWindow(), &client);
    SendMessageW(listWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, client.bottom - 2));
    EXPECT_EQ(picks, (std::vector<rt::Index> { 0 }));
    EXPECT_EQ(list.ListIndex(), 0);
}

// The mouse messages Windows makes of a finger's touch, marked as a touch's.
class ListBoxTouch : public SampleWindow {
protected:
    void touch(UINT message, WPARAM held, LPARAM at) const
    {
        SetMessageExtraInfo(kFromTouch);
        SendMessageW(listWindow(), message, held, at);
        SetMessageExtraInfo(0);
    }

    static constexpr LPARAM kFromTouch = 0xFF515780;
};

TEST_F(ListBoxTouch, AFingerPicksAtItsLiftAndAFingerThatMovedPicksNothing)
{
    const LPARAM row1 = centreOfRow(1);
    touch(WM_LBUTTONDOWN, MK_LBUTTON, row1);
    EXPECT_TRUE(picks.empty()) << "a finger waits for its lift";
    touch(WM_LBUTTONUP, 0, row1);
    EXPECT_EQ(picks, (std::vector<rt::Index> { 1 }));

    touch(WM_LBUTTONDOWN, MK_LBUTTON, centreOfRow(0));
    touch(WM_MOUSEMOVE, MK_LBUTTON, centreOfRow(1));
    touch(WM_LBUTTONUP, 0, centreOfRow(1));
    EXPECT_EQ(picks, (std::vector<rt::Index> { 1 })) << "a swipe picks nothing";

    // A quick double tap: the second press comes as a double-click.
    touch(WM_LBUTTONDOWN, MK_LBUTTON, centreOfRow(0));
    touch(WM_LBUTTONUP, 0, centreOfRow(0));
    touch(WM_LBUTTONDBLCLK, MK_LBUTTON, centreOfRow(0));
    touch(WM_LBUTTONUP, 0, centreOfRow(0));
    EXPECT_EQ(picks, (std::vector<rt::Index> { 1, 0, 0 }));
    EXPECT_FALSE(rt::win32::fromTouch(0)) << "the mouse's own messages";
    EXPECT_TRUE(rt::win32::fromTouch(kFromTouch));
}

TEST_F(ListBoxKeyboard, ArrowsHomeAndEndPickWhereTheyLandEnterPicksAgain)
{
    SetFocus(listWindow());
    sendKey(listWindow(), VK_RETURN); // nothing selected yet
    sendKey(listWindow(), VK_DOWN); // the row with the focus frame
    sendKey(listWindow(), VK_DOWN);
    sendKey(listWindow(), VK_DOWN); // already at the end
    sendKey(listWindow(), VK_HOME);
    sendKey(listWindow(), VK_END);
    sendKey(listWindow(), VK_RETURN);
    EXPECT_EQ(picks, (std::vector<rt::Index> { 0, 1, 0, 1, 1 }));
}

TEST_F(ListBoxKeyboard, ATypedCharacterPicksExactlyItsRowUnlessItIsAShortcut)
{
    SetFocus(listWindow());
    sendChar(listWindow(), L'у');
    sendChar(listWindow(), L'У'); // no such row
    sendChar(listWindow(), L'q');
    setKeyHeld(VK_CONTROL, true);
    sendChar(listWindow(), L'х');
    setKeyHeld(VK_CONTROL, false);
    setKeyHeld(VK_MENU, true);
    sendChar(listWindow(), L'х');
    setKeyHeld(VK_MENU, false);
    sendChar(listWindow(), L'х');
    EXPECT_EQ(picks, (std::vector<rt::Index> { 1, 0 }));
}

} // namespace
} // namespace win32_testing
