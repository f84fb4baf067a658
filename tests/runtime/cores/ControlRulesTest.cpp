// The rules every platform's controls follow, without a GUI: the list's
// keys, line breaks, the tab order, the decoded contents, the fit of a form
// into the space it is given, and a finger's taps.

#include "FormContents.h"
#include "FormFit.h"
#include "FormKeys.h"
#include "Keys.h"
#include "LineBreaks.h"
#include "ListKeys.h"
#include "Taps.h"

#include <array>
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>
#include <utility>

namespace {

using rt::ListKey;
using rt::ListState;

// Ten rows, eight of them in view: a page is seven.
constexpr ListState kTenRows { .count = 10, .viewHeight = 80, .rowHeight = 10 };

ListState selecting(rt::Index row)
{
    ListState state = kTenRows;
    state.selected = row;
    state.focusRow = row;
    return state;
}

// Where a key lands from `state` when it picks; -1 when it picks nothing.
int picked(ListKey key, const ListState& state)
{
    const auto action = rt::actionOfKey(key, state);
    if (!action || !action->click) {
        return -1;
    }
    return action->select >= 0 ? action->select : state.selected;
}

TEST(ListKeys, AMovePicksTheRowItLandsOn)
{
    EXPECT_EQ(picked(ListKey::Down, selecting(3)), 4);
    EXPECT_EQ(picked(ListKey::Right, selecting(3)), 4);
    EXPECT_EQ(picked(ListKey::Up, selecting(3)), 2);
    EXPECT_EQ(picked(ListKey::Left, selecting(3)), 2);
    EXPECT_EQ(picked(ListKey::Home, selecting(3)), 0);
    EXPECT_EQ(picked(ListKey::End, selecting(3)), 9);
    EXPECT_EQ(picked(ListKey::PageDown, selecting(1)), 8);
    EXPECT_EQ(picked(ListKey::PageDown, selecting(3)), 9) << "no farther than the last row";
    EXPECT_EQ(picked(ListKey::PageUp, selecting(8)), 1);
    EXPECT_EQ(picked(ListKey::PageUp, selecting(3)), 0);
}

TEST(ListKeys, AMoveThatStaysOnTheSelectedRowOnlyShowsIt)
{
    for (const auto& [key, row] :
        { std::pair { ListKey::Up, 0 }, { ListKey::Home, 0 }, { ListKey::PageUp, 0 },
            { ListKey::Down, 9 }, { ListKey::End, 9 }, { ListKey::PageDown, 9 } }) {
        const auto action = rt::actionOfKey(key, selecting(static_cast<rt::Index>(row)));
        ASSERT_TRUE(action);
        EXPECT_FALSE(action->click) << "row " << row;
        EXPECT_EQ(action->select, -1);
        EXPECT_EQ(action->show, row);
    }
}

TEST(ListKeys, WithNothingSelectedTheFirstMoveSelectsTheFocusRow)
{
    ListState state = kTenRows;
    state.focusRow = 5;
    EXPECT_EQ(picked(ListKey::Down, state), 5);
    EXPECT_EQ(picked(ListKey::Up, state), 5);
    EXPECT_EQ(picked(ListKey::PageDown, state), 5);
    EXPECT_EQ(picked(ListKey::End, state), 9);
    state.focusRow = -1;
    EXPECT_EQ(picked(ListKey::Down, state), 0) << "a list with no focus row yet starts at the top";
}

TEST(ListKeys, EnterPicksTheSelectedRowAgainAndOtherKeysAreNotTheLists)
{
    const auto again = rt::actionOfKey(ListKey::Enter, selecting(4));
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->click);
    EXPECT_EQ(again->select, -1) << "the selection stays";
    const auto none = rt::actionOfKey(ListKey::Enter, kTenRows);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->click);
    EXPECT_FALSE(rt::actionOfKey(ListKey::Other, selecting(4)));
    EXPECT_FALSE(rt::actionOfKey(ListKey::Down, ListState {})) << "an empty list takes no key";
}

TEST(ListKeys, APageIsTheVisibleRowsButOne)
{
    EXPECT_EQ(rt::rowsPerPage(80, 10), 7);
    EXPECT_EQ(rt::rowsPerPage(85, 10), 7) << "a row cut off does not count";
    EXPECT_EQ(rt::rowsPerPage(10, 10), 1);
    EXPECT_EQ(rt::rowsPerPage(0, 0), 1) << "a list not laid out yet moves one row";
}

TEST(ListKeys, ATypedCharacterPicksExactlyItsRow)
{
    const std::array<std::u16string, 4> rows { u"a", u"A", u"я", u"\U0001F600" };
    EXPECT_EQ(rt::rowOfTyped(rows, u"A"), 1) << "case and all";
    EXPECT_EQ(rt::rowOfTyped(rows, u"я"), 2);
    EXPECT_EQ(rt::rowOfTyped(rows, u"\U0001F600"), 3) << "a surrogate pair";
    EXPECT_EQ(rt::rowOfTyped(rows, u"b"), -1);
    EXPECT_EQ(rt::rowOfTyped(rows, u""), -1);
    EXPECT_EQ(rt::rowOfTyped(rows, u"aA"), -1) << "no search by prefix";
}

TEST(LineBreaks, AnySpellingBecomesCrLf)
{
    EXPECT_EQ(rt::withCrLf(u""), u"");
    EXPECT_EQ(rt::withCrLf(u"\r\n\r\n"), u"\r\n\r\n");
    EXPECT_EQ(rt::withCrLf(u"\n\r"), u"\r\n\r\n");
    EXPECT_EQ(rt::withCrLf(u"a\r"), u"a\r\n");
    EXPECT_EQ(rt::withCrLf(u"\r\r\n\n"), u"\r\n\r\n\r\n");
    EXPECT_EQ(rt::withCrLf(u"\u2029x\u2028"), u"\r\nx\u2028") << "a line separator is no break";
}

constexpr std::array<std::string_view, 2> kRows { "\xE0", "Z" };

constexpr std::array<rt::ControlDefinition, 4> kControls { {
    { .kind = rt::ControlKind::CommandButton,
        .name = "Command1",
        .text = "\xCE\xCA",
        .tabIndex = 2 },
    { .kind = rt::ControlKind::ListBox,
        .name = "List1",
        .list = kRows,
        .accessibleName = "\xE1\xF3\xEA\xE2\xE8",
        .tabIndex = 1 },
    { .kind = rt::ControlKind::Label, .name = "Label1", .text = "x", .tabIndex = 2 },
    { .kind = rt::ControlKind::TextBox, .name = "Text1", .text = "\xE0\r\n", .tabIndex = 0 },
} };

TEST(FormContents, TheTabOrderFollowsTheTabIndicesAndTheDefinitionOnTies)
{
    const rt::FormDefinition form { .controls = kControls };
    EXPECT_EQ(rt::tabOrder(form), (std::vector<std::size_t> { 3, 1, 0, 2 }));
    EXPECT_TRUE(rt::tabOrder(rt::FormDefinition {}).empty());
    EXPECT_EQ(rt::tabStops(form), (std::vector<std::size_t> { 3, 1, 0 })) << "no label";
    auto hidden = kControls;
    hidden[1].visible = false;
    EXPECT_EQ(rt::tabStops(rt::FormDefinition { .controls = hidden }),
        (std::vector<std::size_t> { 3, 0 }))
        << "no hidden control";
}

TEST(FormContents, TabGoesRoundTheStopsBothWays)
{
    EXPECT_EQ(rt::nextTabStop(3, 0, false), 1U);
    EXPECT_EQ(rt::nextTabStop(3, 2, false), 0U) << "from the last to the first";
    EXPECT_EQ(rt::nextTabStop(3, 0, true), 2U) << "from the first back to the last";
    EXPECT_EQ(rt::nextTabStop(3, std::nullopt, false), 0U);
    EXPECT_EQ(rt::nextTabStop(3, std::nullopt, true), 2U);
    EXPECT_EQ(rt::nextTabStop(1, 0, false), 0U);
}

TEST(FormContents, TextsRowsAndNamesAreDecoded)
{
    EXPECT_EQ(rt::contentsOf(kControls[0]).text, u"ОК");
    EXPECT_EQ(rt::contentsOf(kControls[3]).text, u"а\r\n");
    const rt::ControlContents list = rt::contentsOf(kControls[1]);
    EXPECT_EQ(list.rows, (std::vector<std::u16string> { u"а", u"Z" }));
    EXPECT_EQ(list.accessibleName, u"букви");
    EXPECT_TRUE(list.accessibleDescription.empty());
}

// A client area of 461 × 345 pixels at 96 dpi.
constexpr int kClientWidth = 6915;
constexpr int kClientHeight = 5175;

TEST(FormFit, TheDefaultSizeIsTheStandardDpiAndTwiceItIsExactlyDouble)
{
    EXPECT_EQ(rt::fitForm(461, 345, kClientWidth, kClientHeight),
        (rt::FormFit { .dpi = 96, .board = { 0, 0, 461, 345 } }));
    EXPECT_EQ(rt::fitForm(922, 690, kClientWidth, kClientHeight),
        (rt::FormFit { .dpi = 192, .board = { 0, 0, 922, 690 } }));
    EXPECT_EQ(rt::fitForm(463, 346, kClientWidth, kClientHeight).dpi, 96)
        << "a pixel more is not yet a larger board";
}

TEST(FormFit, TheBindingSideIsFilledAndTheBoardCentredOnTheOther)
{
    for (const auto& [width, height] :
        { std::pair { 1024, 768 }, { 1920, 1080 }, { 390, 844 }, { 3840, 2160 }, { 7680, 4320 } }) {
        const rt::FormFit fit = rt::fitForm(width, height, kClientWidth, kClientHeight);
        const rt::FormFit larger { .dpi = fit.dpi + 1 };
        EXPECT_LE(fit.board.width, width);
        EXPECT_LE(fit.board.height, height);
        EXPECT_TRUE(rt::twipsToPixels(kClientWidth, larger.dpi) > width
            || rt::twipsToPixels(kClientHeight, larger.dpi) > height)
            << width << " × " << height << ": one dpi more would not fit";
        EXPECT_LE(std::abs(2 * fit.board.left + fit.board.width - width), 1);
        EXPECT_LE(std::abs(2 * fit.board.top + fit.board.height - height), 1);
    }
}

TEST(FormFit, NoSpaceOrClientAreaBreaksIt)
{
    for (const auto& [width, height] :
        { std::pair { 0, 0 }, { -5, 100 }, { 1, 1 }, { INT_MAX, INT_MAX }, { INT_MIN, 0 } }) {
        const rt::FormFit fit = rt::fitForm(width, height, kClientWidth, kClientHeight);
        EXPECT_GE(fit.dpi, rt::kMinimumFitDpi) << width << " × " << height;
        EXPECT_LE(fit.dpi, rt::kMaximumFitDpi) << width << " × " << height;
        EXPECT_GE(fit.board.left, 0);
        EXPECT_GE(fit.board.top, 0);
    }
    EXPECT_EQ(rt::fitForm(800, 600, 0, 0).dpi, rt::kStandardDpi);
    EXPECT_EQ(rt::fitForm(922, 690, kClientWidth, 0).dpi, 192) << "only the width binds";
}

TEST(FormKeys, F11TogglesTheWholeScreenAndEscapeOnlyLeavesItUnmodified)
{
    const rt::Modifiers none;
    EXPECT_EQ(rt::fullScreenAfter(rt::FormKey::FullScreen, none, false), true);
    EXPECT_EQ(rt::fullScreenAfter(rt::FormKey::Escape, none, true), false);
    EXPECT_EQ(rt::fullScreenAfter(rt::FormKey::Escape, none, false), std::nullopt)
        << "Escape stays the control's";
    EXPECT_EQ(rt::fullScreenAfter(rt::FormKey::FullScreen, { .shift = true }, false), std::nullopt)
        << "Shift+F11 is no F11";
    EXPECT_EQ(rt::fullScreenAfter(rt::FormKey::FullScreen, { .meta = true }, false), std::nullopt);
}

TEST(Keys, ShortcutsTypeNothingMoveNoFocusAndMakeNoNewLine)
{
    constexpr std::array<rt::ModifierCode, 2> codes { { { 4, rt::Modifier::Ctrl },
        { 16, rt::Modifier::Meta } } };
    const rt::Modifiers held = rt::modifiersOf(codes, [](unsigned code) { return code == 16; });
    EXPECT_TRUE(held.meta && !held.ctrl && !held.shift);

    EXPECT_TRUE(rt::tabMovesFocus({ .shift = true }));
    EXPECT_TRUE(rt::enterBreaksLine({ .shift = true }));
    EXPECT_TRUE(rt::enterBreaksLine({ .ctrl = true }));
    for (const rt::Modifiers shortcut : { rt::Modifiers { .ctrl = true },
             rt::Modifiers { .alt = true }, rt::Modifiers { .meta = true } }) {
        EXPECT_FALSE(rt::tabMovesFocus(shortcut));
        EXPECT_TRUE(rt::typedCharacter(u"a", shortcut).empty());
    }
    EXPECT_FALSE(rt::enterBreaksLine({ .alt = true }));
    EXPECT_FALSE(rt::enterBreaksLine({ .meta = true }));

    EXPECT_EQ(rt::typedCharacter(u"я", { .shift = true }), u"я");
    EXPECT_EQ(rt::typedCharacter(u"\U0001F600", {}), u"\U0001F600") << "a surrogate pair";
    for (const std::u16string_view none : { u"", u"Enter", u"\r", u"\x7F", u"ab", u"\xD83D" }) {
        EXPECT_TRUE(rt::typedCharacter(none, {}).empty()) << none.size();
    }
}

} // namespace

TEST(Taps, TheMouseMainButtonPressesAndOnlyTheFirstFingerLiftedUncancelledTaps)
{
    using rt::PointerKind;
    using rt::PointerPhase;
    using rt::PointerPick;
    constexpr rt::PointerPress kMouse { .kind = PointerKind::Mouse, .button = 0, .pointer = 1 };
    constexpr rt::PointerPress kRight { .kind = PointerKind::Mouse, .button = 2, .pointer = 1 };
    constexpr rt::PointerPress kFinger { .kind = PointerKind::Finger, .pointer = 7 };
    constexpr rt::PointerPress kSecondFinger {
        .kind = PointerKind::Finger, .pointer = 8, .primary = false
    };
    rt::Taps taps;
    EXPECT_EQ(taps.pointer(PointerPhase::Down, kMouse), PointerPick::Press);
    EXPECT_EQ(taps.pointer(PointerPhase::Up, kMouse), PointerPick::None);
    EXPECT_EQ(taps.pointer(PointerPhase::Down, kRight), PointerPick::None);
    EXPECT_FALSE(taps.touchEnded());

    EXPECT_EQ(taps.pointer(PointerPhase::Down, kFinger), PointerPick::None);
    EXPECT_EQ(taps.pointer(PointerPhase::Up, kFinger), PointerPick::Tap);
    EXPECT_TRUE(taps.touchEnded());
    EXPECT_FALSE(taps.touchEnded());
    EXPECT_EQ(taps.pointer(PointerPhase::Up, kFinger), PointerPick::None);

    // A swipe: the browser cancels the pointer to scroll.
    EXPECT_EQ(taps.pointer(PointerPhase::Down, kFinger), PointerPick::None);
    EXPECT_EQ(taps.pointer(PointerPhase::Cancel, kFinger), PointerPick::None);
    EXPECT_EQ(taps.pointer(PointerPhase::Up, kFinger), PointerPick::None);
    EXPECT_FALSE(taps.touchEnded());

    EXPECT_EQ(taps.pointer(PointerPhase::Down, kSecondFinger), PointerPick::None);
    EXPECT_EQ(taps.pointer(PointerPhase::Up, kSecondFinger), PointerPick::None);
    // A press of another pointer between a finger's touch and its lift.
    EXPECT_EQ(taps.pointer(PointerPhase::Down, kFinger), PointerPick::None);
    EXPECT_EQ(taps.pointer(PointerPhase::Down, kMouse), PointerPick::Press);
    EXPECT_EQ(taps.pointer(PointerPhase::Up, kFinger), PointerPick::None);
}
