// The list box's and the push button's cores, driven as each platform drives
// them: what every press, touch, key and typed character picks, selects and
// shows, one row per case.

#include "CommandButtonCore.h"
#include "ListBoxCore.h"
#include "RuntimeError.h"
#include "Session.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rt::ListKey;
using rt::PointerKind;
using rt::PointerPhase;
using rt::PointerPress;

// What the core asked the list to show, as text: "s3" selected row 3, "r3"
// scrolled to it, "f" took the focus; "C" is a Click raised.
class RecordingList final : public rt::ListBoxView {
public:
    std::string log;

    // Appended piece by piece: GCC 12 warns of a false overlap in operator+.
    void showSelected(int row) override { log.append("s").append(std::to_string(row)).append(" "); }
    void showRow(int row) override { log.append("r").append(std::to_string(row)).append(" "); }
    void takeFocus() override { log += "f "; }
    [[nodiscard]] rt::ListMetrics metrics() const override
    {
        // Eight rows in view: a page is seven.
        return { .viewHeight = 80, .rowHeight = 10 };
    }
};

// One event, as a platform reports it: a mouse's or a finger's, or a key.
struct Step {
    enum class Kind { Pointer, Key, Typed } kind = Kind::Pointer;
    PointerPhase phase = PointerPhase::Down;
    PointerPress press {};
    int row = -1;
    ListKey key = ListKey::Other;
    std::u16string typed {};
    rt::Modifiers modifiers {};
};

Step mouse(PointerPhase phase, int row, int button = 0)
{
    return {
        .phase = phase, .press = { .kind = PointerKind::Mouse, .button = button }, .row = row
    };
}

Step finger(PointerPhase phase, int row, int x = 0, int y = 0)
{
    return { .phase = phase,
        .press = { .kind = PointerKind::Finger, .pointer = 5, .x = x, .y = y },
        .row = row };
}

Step key(ListKey which)
{
    return { .kind = Step::Kind::Key, .key = which };
}

Step typed(std::u16string text, rt::Modifiers modifiers = {})
{
    return { .kind = Step::Kind::Typed, .typed = std::move(text), .modifiers = modifiers };
}

struct ListCase {
    const char* name;
    std::vector<Step> steps;
    // What the list showed and raised, in order.
    std::string log;
    rt::Index selected;
};

TEST(ListBoxCore, EachPressTouchKeyAndCharacterPicksAsTheRulesSay)
{
    constexpr auto Down = PointerPhase::Down;
    constexpr auto Move = PointerPhase::Move;
    constexpr auto Up = PointerPhase::Up;
    constexpr auto Cancel = PointerPhase::Cancel;
    const std::vector<ListCase> cases {
        { "the main button picks on its press", { mouse(Down, 3), mouse(Up, 3) }, "f s3 C ", 3 },
        { "a press on the selected row picks again",
            { mouse(Down, 3), mouse(Up, 3), mouse(Down, 3) }, "f s3 C f s3 C ", 3 },
        { "a drag and its release pick nothing more",
            { mouse(Down, 1), mouse(Move, 4), mouse(Up, 4) }, "f s1 C ", 1 },
        { "another button picks nothing", { mouse(Down, 2, 2), mouse(Up, 2, 2) }, "", -1 },
        { "a press below the last row only takes the focus", { mouse(Down, -1) }, "f ", -1 },
        { "a press past the rows only takes the focus", { mouse(Down, 10) }, "f ", -1 },
        { "a finger picks at its lift the row it touched", { finger(Down, 2), finger(Up, 6) },
            "f s2 C ", 2 },
        { "a finger that moves no farther than the drag distance taps",
            { finger(Down, 2), finger(Move, 2, 3, 4), finger(Up, 2, 3, 4) }, "f s2 C ", 2 },
        { "a swipe picks nothing",
            { finger(Down, 2), finger(Move, 2, 0, 11), finger(Up, 4, 0, 30) }, "", -1 },
        { "a touch the platform cancels to scroll picks nothing",
            { finger(Down, 2), finger(Cancel, 2), finger(Up, 2) }, "", -1 },
        { "a touch that stops a coasting list picks nothing",
            { { .phase = Down,
                  .press = { .kind = PointerKind::Finger, .pointer = 5, .coasting = true },
                  .row = 2 },
                finger(Up, 2) },
            "", -1 },
        { "a second finger ends the tap",
            { finger(Down, 2),
                { .phase = Down,
                    .press = { .kind = PointerKind::Finger, .pointer = 6, .primary = false },
                    .row = 3 },
                finger(Up, 2) },
            "", -1 },
        { "two taps are two picks",
            { finger(Down, 1), finger(Up, 1), finger(Down, 1), finger(Up, 1) }, "f s1 C f s1 C ",
            1 },
        { "the first Down selects the focus row", { key(ListKey::Down) }, "s0 C r0 ", 0 },
        { "keys move from the selected row",
            { mouse(Down, 5), key(ListKey::Down), key(ListKey::Up), key(ListKey::PageDown) },
            "f s5 C s6 C r6 s5 C r5 s9 C r9 ", 9 },
        { "a key that stays on the selected row only shows it",
            { key(ListKey::Home), key(ListKey::Up) }, "s0 C r0 r0 ", 0 },
        { "Enter picks the selected row again, and nothing with none",
            { key(ListKey::Enter), key(ListKey::End), key(ListKey::Enter) }, "s9 C r9 C ", 9 },
        { "a key none of the list's is not taken", { key(ListKey::Other) }, "", -1 },
        { "a typed character picks its row and shows it", { typed(u"c") }, "s2 C r2 ", 2 },
        { "a typed character with Ctrl picks nothing", { typed(u"c", { .ctrl = true }) }, "", -1 },
        { "no row is a prefix search", { typed(u"cd") }, "", -1 },
    };
    for (const ListCase& c : cases) {
        rt::Session session(u"Проба");
        RecordingList view;
        rt::ListBoxCore list(session, view, 10);
        list.setRows({ u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j" });
        list.setClickHandler([&view] { view.log += "C "; });
        for (const Step& step : c.steps) {
            switch (step.kind) {
            case Step::Kind::Pointer:
                list.pointer(step.phase, step.press, step.row);
                break;
            case Step::Kind::Key:
                list.key(step.key);
                break;
            case Step::Kind::Typed:
                list.typed(step.typed, step.modifiers);
                break;
            }
        }
        EXPECT_EQ(view.log, c.log) << c.name;
        EXPECT_EQ(list.selected(), c.selected) << c.name;
    }
}

TEST(ListBoxCore, TakesWhatTheToolkitsListMustNotHaveAndRefusesRowsItLacks)
{
    rt::Session session(u"Проба");
    RecordingList view;
    rt::ListBoxCore list(session, view);
    list.setRows({ u"a" });
    const PointerPress hover { .kind = PointerKind::Mouse, .button = -1 };
    const PointerPress held { .kind = PointerKind::Mouse, .button = 0 };
    const PointerPress right { .kind = PointerKind::Mouse, .button = 2 };
    EXPECT_FALSE(list.pointer(PointerPhase::Move, hover, 0)) << "hovering is the toolkit's";
    EXPECT_TRUE(list.pointer(PointerPhase::Move, held, 0)) << "a drag is not";
    EXPECT_TRUE(list.pointer(PointerPhase::Down, right, 0)) << "nor another button";
    EXPECT_TRUE(list.pointer(PointerPhase::Down, { .kind = PointerKind::Finger }, 0));
    EXPECT_FALSE(list.key(ListKey::Other));
    EXPECT_TRUE(list.key(ListKey::Enter)) << "a list of one row takes its keys";
    EXPECT_TRUE(list.key(ListKey::Down));
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(list.row(0), u"a");
    EXPECT_THROW((void)list.row(1), rt::RuntimeError);
    EXPECT_THROW((void)list.row(-1), rt::RuntimeError);
}

TEST(ListBoxCore, OnlyATapKeepsTheBrowserFromItsClick)
{
    rt::Session session(u"Проба");
    RecordingList view;
    rt::ListBoxCore list(session, view);
    list.setRows({ u"a" });
    list.pointer(PointerPhase::Down, { .kind = PointerKind::Finger }, 0);
    list.pointer(PointerPhase::Up, { .kind = PointerKind::Finger }, 0);
    EXPECT_TRUE(list.touchEnded());
    EXPECT_FALSE(list.touchEnded()) << "asked once";
    list.pointer(PointerPhase::Down, { .kind = PointerKind::Mouse }, 0);
    EXPECT_FALSE(list.touchEnded());
}

TEST(CommandButtonCore, EveryClickTapAndEnterPressesOnceAndAnAutoRepeatNever)
{
    struct Case {
        const char* name;
        // Does it to the button; returns whether the button took it.
        std::function<bool(rt::CommandButtonCore&)> act;
        int presses;
        bool taken;
    };
    const PointerPress kFinger { .kind = PointerKind::Finger, .pointer = 3 };
    const std::vector<Case> cases {
        { "a click, a double-click's second too",
            [](rt::CommandButtonCore& button) {
                button.clicked();
                return true;
            },
            1, true },
        { "Enter",
            [](rt::CommandButtonCore& button) { return button.key(rt::ButtonKey::Enter, false); },
            1, true },
        { "Enter's auto-repeat",
            [](rt::CommandButtonCore& button) { return button.key(rt::ButtonKey::Enter, true); }, 0,
            true },
        { "another key",
            [](rt::CommandButtonCore& button) { return button.key(rt::ButtonKey::Other, false); },
            0, false },
        { "a tap",
            [&](rt::CommandButtonCore& button) {
                button.pointer(PointerPhase::Down, kFinger);
                return button.pointer(PointerPhase::Up, kFinger);
            },
            1, true },
        { "a touch the browser cancelled",
            [&](rt::CommandButtonCore& button) {
                button.pointer(PointerPhase::Down, kFinger);
                button.pointer(PointerPhase::Cancel, kFinger);
                return button.pointer(PointerPhase::Up, kFinger);
            },
            0, false },
        { "the mouse's press, which the toolkit's click follows",
            [](rt::CommandButtonCore& button) {
                return button.pointer(PointerPhase::Down, { .kind = PointerKind::Mouse });
            },
            0, false },
    };
    for (const Case& c : cases) {
        rt::Session session(u"Проба");
        rt::CommandButtonCore button(session);
        int presses = 0;
        button.setClickHandler([&presses] { ++presses; });
        EXPECT_EQ(c.act(button), c.taken) << c.name;
        EXPECT_EQ(presses, c.presses) << c.name;
    }
    EXPECT_EQ(rt::twipsToPixels(rt::CommandButtonCore::kFocusFrameInset), 4)
        << "the focus frame's dots four pixels in at the standard dpi";
    EXPECT_EQ(rt::twipsToPixels(rt::CommandButtonCore::kFocusFrameInset, 192), 8);
}

} // namespace
