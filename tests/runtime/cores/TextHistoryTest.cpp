// What Ctrl+Z and redo take back in a text box: the user's edits since the
// program last wrote, typing and deleting in runs, and what a key asks for.

#include "TextHistory.h"

#include "ExactText.h"
#include "TextBoxCore.h"
#include "TextBoxKeys.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rt::HistoryCommand;
using rt::TextChange;
using rt::TextHistory;

// A text box's text as the user and the program change it, with its history.
class Box {
public:
    explicit Box(std::u16string text)
        : text_(std::move(text))
    {
    }
    [[nodiscard]] const std::u16string& text() const { return text_; }

    void programWrites(std::u16string text)
    {
        text_ = std::move(text);
        history_.programWrote();
    }
    // The user puts `inserted` in place of `removed` code units at `from`.
    void user(std::size_t from, std::size_t removed, const std::u16string& inserted)
    {
        std::u16string after = text_;
        after.replace(from, removed, inserted);
        history_.userChanged(rt::changeBetween(text_, after));
        text_ = std::move(after);
    }
    void type(std::size_t at, std::u16string_view characters)
    {
        for (const char16_t c : characters) {
            user(at++, 0, std::u16string(1, c));
        }
    }
    void undo() { make(history_.undo()); }
    void redo() { make(history_.redo()); }
    [[nodiscard]] const TextHistory& history() const { return history_; }

private:
    void make(const std::optional<TextChange>& change)
    {
        if (change) {
            ASSERT_EQ(text_.substr(change->from, change->removed.size()), change->removed);
            text_.replace(change->from, change->removed.size(), change->inserted);
        }
    }

    std::u16string text_;
    TextHistory history_;
};

TEST(TextHistory, UndoTakesBackTheChildsTypingButNeverAWriteOfTheProgram)
{
    Box box(u"preset");
    box.programWrites(u"12");
    box.type(2, u"abc");
    box.undo();
    EXPECT_EQ(box.text(), u"12") << "typing in one run goes back as one step";
    box.undo();
    EXPECT_EQ(box.text(), u"12") << "the pick stays";
    EXPECT_FALSE(box.history().canUndo());
    box.redo();
    EXPECT_EQ(box.text(), u"12abc");
    box.redo();
    EXPECT_EQ(box.text(), u"12abc") << "one redo for one undo";

    box.programWrites(u"12abc3");
    EXPECT_FALSE(box.history().canUndo()) << "a pick ends what can be taken back";
    EXPECT_FALSE(box.history().canRedo());
    box.undo();
    EXPECT_EQ(box.text(), u"12abc3");
}

TEST(TextHistory, StepsGoBackOneAtATimeAndANewEditEndsTheRedo)
{
    struct Case {
        const char* name;
        std::vector<TextChange> edits; // made in turn on "hello world"
        int undos;
        std::u16string expected;
    };
    const std::vector<Case> cases {
        { "typing at two places is two steps",
            { { 5, u"", u"!" }, { 6, u"", u"?" }, { 0, u"", u"x" } }, 1, u"hello!? world" },
        { "both steps", { { 5, u"", u"!" }, { 0, u"", u"x" } }, 2, u"hello world" },
        { "a run of Backspace is one step", { { 10, u"d", u"" }, { 9, u"l", u"" } }, 1,
            u"hello world" },
        { "a run of Delete is one step", { { 0, u"h", u"" }, { 0, u"e", u"" } }, 1,
            u"hello world" },
        { "a paste and typing after it are two steps", { { 11, u"", u"!!" }, { 13, u"", u"?" } }, 1,
            u"hello world!!" },
        { "a new line starts a step of its own",
            { { 11, u"", u"a" }, { 12, u"", u"\r\n" }, { 14, u"", u"b" } }, 1,
            u"hello worlda\r\n" },
        { "typing over a selection is its own step", { { 0, u"hello", u"H" }, { 1, u"", u"i" } }, 1,
            u"H world" },
        { "a surrogate pair types in the run", { { 0, u"", u"\U0001F600" }, { 2, u"", u"a" } }, 1,
            u"hello world" },
    };
    for (const Case& c : cases) {
        Box box(u"hello world");
        for (const TextChange& edit : c.edits) {
            box.user(edit.from, edit.removed.size(), edit.inserted);
        }
        for (int i = 0; i < c.undos; ++i) {
            box.undo();
        }
        EXPECT_EQ(box.text(), c.expected) << c.name;
    }

    Box box(u"ab");
    box.type(2, u"c");
    box.undo();
    box.type(2, u"d");
    box.redo();
    EXPECT_EQ(box.text(), u"abd") << "an edit after an undo ends the redo";
    box.undo();
    box.undo();
    EXPECT_EQ(box.text(), u"ab");
}

TEST(TextHistory, TheChangeBetweenTwoTextsIsWhatTheyDoNotShare)
{
    struct Case {
        std::u16string before;
        std::u16string after;
        TextChange expected;
    };
    const std::vector<Case> cases {
        { u"abc", u"abxc", { 2, u"", u"x" } },
        { u"abc", u"ac", { 1, u"b", u"" } },
        { u"aaa", u"aaaa", { 3, u"", u"a" } },
        { u"", u"x", { 0, u"", u"x" } },
        { u"abc", u"xyz", { 0, u"abc", u"xyz" } },
        { u"abc", u"abc", { 3, u"", u"" } },
        { u"a\r\nb", u"ab", { 1, u"\r\n", u"" } },
    };
    for (const Case& c : cases) {
        const TextChange change = rt::changeBetween(c.before, c.after);
        EXPECT_EQ(change.from, c.expected.from);
        EXPECT_EQ(change.removed, c.expected.removed);
        EXPECT_EQ(change.inserted, c.expected.inserted);
    }
}

TEST(TextHistory, CtrlZUndoesAndCtrlYOrCtrlShiftZRedo)
{
    struct Case {
        char16_t letter;
        rt::Modifiers modifiers;
        std::optional<HistoryCommand> expected;
    };
    const std::vector<Case> cases {
        { u'z', { .ctrl = true }, HistoryCommand::Undo },
        { u'Z', { .ctrl = true }, HistoryCommand::Undo },
        { u'Z', { .shift = true, .ctrl = true }, HistoryCommand::Redo },
        { u'y', { .ctrl = true }, HistoryCommand::Redo },
        { u'Y', { .ctrl = true }, HistoryCommand::Redo },
        { u'y', { .shift = true, .ctrl = true }, std::nullopt },
        { u'z', {}, std::nullopt },
        { u'z', { .shift = true }, std::nullopt },
        { u'z', { .ctrl = true, .alt = true }, std::nullopt },
        { u'z', { .ctrl = true, .meta = true }, std::nullopt },
        { u'x', { .ctrl = true }, std::nullopt },
        { u'[', { .ctrl = true }, std::nullopt },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::historyCommandOf(c.letter, c.modifiers), c.expected)
            << static_cast<char>(c.letter);
    }
}

TEST(TextHistory, AnExactTextTakesItsChangesBackPairsAndAll)
{
    rt::ExactText area(rt::DisplayedBreaks {});
    area.assign(u"a\r\nb\rc");
    TextHistory history;
    // The user types a new line and "x" after "b"; the display holds "a\nb\nc".
    history.userChanged(area.replaceDisplayRange(3, 0, u"\nx"));
    EXPECT_EQ(area.text(), u"a\r\nb\r\nx\rc");
    const auto back = history.undo();
    ASSERT_TRUE(back);
    const rt::ExactText::DisplayChange display = area.apply(*back);
    EXPECT_EQ(display.from, 3U);
    EXPECT_EQ(display.removed, 2U);
    EXPECT_EQ(display.inserted, u"");
    EXPECT_EQ(area.text(), u"a\r\nb\rc") << "the lone CR stays a lone CR";
    EXPECT_EQ(area.displayLength(), 5U);
    EXPECT_EQ(area.displaySlice(0, 5), u"a\nb\nc");
    const rt::ExactText::DisplayChange again = area.apply(*history.redo());
    EXPECT_EQ(again.from, 3U);
    EXPECT_EQ(again.inserted, u"\nx");
    EXPECT_EQ(area.textPosition(5), 7U) << "the pair's place is kept";
    EXPECT_EQ(area.displayPosition(7), 5U);
    EXPECT_EQ(area.displayPosition(1), 1U);
    EXPECT_EQ(area.displayPosition(3), 2U);
}

TEST(TextBoxKeys, EachKeyWithItsModifiersDoesWhatTheBoxSays)
{
    using rt::TextCommand;
    using rt::TextKey;
    struct Case {
        TextKey key;
        rt::Modifiers modifiers;
        TextCommand expected;
    };
    const std::vector<Case> cases {
        { TextKey::Enter, {}, TextCommand::NewLine },
        { TextKey::Enter, { .shift = true }, TextCommand::NewLine },
        { TextKey::Enter, { .ctrl = true }, TextCommand::NewLine },
        { TextKey::Enter, { .alt = true }, TextCommand::Swallow },
        { TextKey::Enter, { .meta = true }, TextCommand::Swallow },
        { TextKey::Escape, {}, TextCommand::Swallow },
        { TextKey::Escape, { .shift = true }, TextCommand::Swallow },
        { TextKey::A, { .ctrl = true }, TextCommand::SelectAll },
        { TextKey::A, { .shift = true, .ctrl = true }, TextCommand::SelectAll },
        { TextKey::A, { .ctrl = true, .alt = true }, TextCommand::None },
        { TextKey::A, {}, TextCommand::None },
        { TextKey::V, { .ctrl = true }, TextCommand::Paste },
        { TextKey::V, { .ctrl = true, .meta = true }, TextCommand::None },
        { TextKey::Insert, { .shift = true }, TextCommand::Paste },
        { TextKey::Insert, { .shift = true, .ctrl = true }, TextCommand::None },
        { TextKey::Insert, {}, TextCommand::None },
        { TextKey::Z, { .ctrl = true }, TextCommand::Undo },
        { TextKey::Z, { .shift = true, .ctrl = true }, TextCommand::Redo },
        { TextKey::Y, { .ctrl = true }, TextCommand::Redo },
        { TextKey::Z, {}, TextCommand::None },
        { TextKey::Other, { .ctrl = true }, TextCommand::None },
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(rt::textCommandOf(cases[i].key, cases[i].modifiers), cases[i].expected)
            << "case " << i;
    }
    EXPECT_EQ(rt::textKeyOfLetter(u'Z'), TextKey::Z);
    EXPECT_EQ(rt::textKeyOfLetter(u'a'), TextKey::A);
    EXPECT_EQ(rt::textKeyOfLetter(u'я'), TextKey::Other);
}

// What a text box's core asked its display to do, as text.
class RecordingBox final : public rt::TextBoxView {
public:
    std::string log;
    rt::Selection user {};

    [[nodiscard]] rt::Selection selection() const override { return user; }
    void showWhole(const std::u16string& display) override
    {
        log.append("whole ").append(std::to_string(display.size())).append("; ");
    }
    void appendTail(const std::u16string& tail, std::size_t oldLength, bool follow) override
    {
        log.append("append ").append(std::to_string(tail.size())).append(" at ");
        log.append(std::to_string(oldLength)).append(follow ? " follow; " : " stay; ");
    }
    void replaceRange(const rt::ExactText::DisplayChange& change) override
    {
        log.append("replace ").append(std::to_string(change.from)).append("+");
        log.append(std::to_string(change.removed)).append(" by ");
        log.append(std::to_string(change.inserted.size())).append("; ");
    }
};

TEST(TextBoxCore, WritesAppendOrShowWholeAndUndoTakesBackOnlyTheUsersEdits)
{
    RecordingBox box;
    rt::TextBoxCore core(box, rt::DisplayedBreaks {});
    core.load(u"ab\r\n");
    box.user = { .start = 3, .end = 3 };
    core.write(u"ab\r\nc");
    box.user = { .start = 0, .end = 4 };
    core.write(u"ab\r\ncd");
    core.write(u"ab\r\ncd");
    EXPECT_EQ(box.log,
        "whole 3; append 1 at 3 follow; append 1 at 4 stay; "
        "")
        << "a caret at the end follows; a selection up to the end stays; a write of the same "
           "text shows nothing";
    EXPECT_EQ(core.text(), u"ab\r\ncd");

    box.log.clear();
    core.userReplaced(5, 0, u"\nx");
    EXPECT_EQ(core.text(), u"ab\r\ncd\r\nx");
    EXPECT_EQ(core.key(rt::TextKey::Z, { .ctrl = true }), rt::TextCommand::Undo);
    EXPECT_EQ(core.text(), u"ab\r\ncd");
    EXPECT_EQ(core.key(rt::TextKey::Z, { .ctrl = true }), rt::TextCommand::Undo);
    EXPECT_EQ(core.text(), u"ab\r\ncd") << "the program's writes stay";
    core.step(rt::HistoryCommand::Redo);
    EXPECT_EQ(core.text(), u"ab\r\ncd\r\nx");
    EXPECT_EQ(box.log, "replace 5+2 by 0; replace 5+0 by 2; ");

    box.log.clear();
    core.write(u"z");
    EXPECT_EQ(box.log, "whole 1; ");
    EXPECT_FALSE(core.canUndo());
    EXPECT_FALSE(core.canRedo());
    EXPECT_EQ(core.key(rt::TextKey::Enter, { .alt = true }), rt::TextCommand::Swallow);
}

} // namespace
