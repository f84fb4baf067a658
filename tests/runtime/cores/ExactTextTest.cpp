#include "ExactText.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using rt::ExactText;

// As Qt's document spells line breaks, and as a browser's textarea does.
constexpr char16_t kSep = u'\u2029';
constexpr rt::DisplayedBreaks kDocument { .separator = kSep,
    .breaking = u"\r\n\u2029\uFDD0\uFDD1" };
constexpr rt::DisplayedBreaks kTextArea { .separator = u'\n', .breaking = u"\r\n" };

TEST(ExactText, ShowsEveryLineBreakAsOneSeparator)
{
    ExactText buffer(kDocument);
    const std::u16string document = buffer.assign(u"a\r\nb\rc\nd\u2029e\r\r\n");
    EXPECT_EQ(document,
        std::u16string(u"a") + kSep + u"b" + kSep + u"c" + kSep + u"d" + kSep + u"e" + kSep + kSep);
    EXPECT_EQ(buffer.displayLength(), document.size());
    EXPECT_EQ(buffer.displaySlice(0, document.size()), document);

    ExactText area(kTextArea);
    EXPECT_EQ(area.assign(u"a\r\nb\rc\u2029"), u"a\nb\nc\u2029");
    EXPECT_EQ(area.text(), u"a\r\nb\rc\u2029") << "the text itself stays exact";
}

TEST(ExactText, MapsDisplayPositionsPastPairs)
{
    ExactText buffer(kDocument);
    buffer.assign(u"1\r\n2\r3\r\n4");
    EXPECT_EQ(buffer.textPosition(0), 0U);
    EXPECT_EQ(buffer.textPosition(2), 3U);
    EXPECT_EQ(buffer.textPosition(4), 5U);
    EXPECT_EQ(buffer.textPosition(6), 8U);
}

TEST(ExactText, ExtendingALoneCarriageReturnWithALineFeedMakesOnePair)
{
    ExactText buffer(kDocument);
    buffer.assign(u"a\r");
    const auto tail = buffer.extend(u"a\r\nb");
    ASSERT_TRUE(tail);
    EXPECT_EQ(*tail, u"b") << "the separator is already there";
    EXPECT_EQ(buffer.text(), u"a\r\nb");
    EXPECT_EQ(buffer.displayLength(), 3U);
}

TEST(ExactText, OnlyAWriteThatKeepsTheWholeTextExtendsIt)
{
    ExactText buffer(kTextArea);
    buffer.assign(u"abc");
    EXPECT_FALSE(buffer.extend(u"abd"));
    EXPECT_FALSE(buffer.extend(u"ab"));
    EXPECT_EQ(buffer.text(), u"abc");
    EXPECT_EQ(buffer.extend(u"abc"), u"") << "the same text extends by nothing";

    EXPECT_EQ(rt::extensionOf(u"", u"x\r\n"), u"x\r\n");
    EXPECT_EQ(rt::extensionOf(u"ab", u"ab\r\n"), u"\r\n");
    EXPECT_FALSE(rt::extensionOf(u"ab", u"a"));
    EXPECT_FALSE(rt::extensionOf(u"a\r", u"a\nb"));
}

TEST(ExactText, EditsAcrossPairsKeepLaterPairs)
{
    ExactText buffer(kDocument);
    buffer.assign(u"x\r\ny\r\nz\rw\r\nv");
    // Display: x ¶ y ¶ z ¶ w ¶ v; the user replaces "¶y¶" by "Q¶".
    buffer.replaceDisplayRange(1, 3, std::u16string(u"Q") + kSep);
    EXPECT_EQ(buffer.text(), u"xQ\r\nz\rw\r\nv");
    EXPECT_EQ(buffer.displaySlice(0, buffer.displayLength()),
        std::u16string(u"xQ") + kSep + u"z" + kSep + u"w" + kSep + u"v");
    buffer.replaceDisplayRange(6, 1, u"");
    EXPECT_EQ(buffer.text(), u"xQ\r\nz\rwv");
}

TEST(ExactText, ALineBreakTypedInATextAreaIsCrLf)
{
    ExactText area(kTextArea);
    area.assign(u"ab\r\ncd");
    // Display: a b ⏎ c d; Enter between c and d, then a pasted line.
    area.replaceDisplayRange(4, 0, u"\n");
    EXPECT_EQ(area.text(), u"ab\r\nc\r\nd");
    area.replaceDisplayRange(0, 0, u"x\ny");
    EXPECT_EQ(area.text(), u"x\r\nyab\r\nc\r\nd");
    EXPECT_EQ(area.displaySlice(0, area.displayLength()), u"x\nyab\nc\nd");
}

TEST(ExactText, AnEditReportedWiderThanItWasChangesOnlyWhatDiffers)
{
    ExactText area(kTextArea);
    area.assign(u"a\r\nb");
    // The display says all four characters were replaced; only x is new.
    area.followEdit(area.editAt(0, 4, 4), u"a\nxb");
    EXPECT_EQ(area.text(), u"a\r\nxb") << "the pair before the edit stays a pair";
    // A report the lengths cannot match covers the whole display.
    const ExactText::Edit whole = area.editAt(3, 9, 5);
    EXPECT_EQ(whole.from, 0U);
    EXPECT_EQ(whole.oldEnd, 4U);
    EXPECT_EQ(whole.newEnd, 5U);
    area.followEdit(whole, u"a\nxyb");
    EXPECT_EQ(area.text(), u"a\r\nxyb");
}

TEST(ExactText, AnEditAtTheSelectionSpansWhatWasSelectedAndWhatCameIn)
{
    ExactText area(kTextArea);
    area.assign(u"ab\r\ncd");
    // Display: a b ⏎ c d.
    struct Case {
        const char* what = "";
        rt::Selection before;
        std::size_t caret = 0;
        std::size_t newLength = 0;
        ExactText::Edit edit;
    };
    const std::array<Case, 5> cases { {
        { "x typed over b ⏎ c", { 1, 4 }, 2, 3, { 1, 4, 2 } },
        { "Backspace at the end", { 5, 5 }, 4, 4, { 4, 5, 4 } },
        { "Delete before c", { 3, 3 }, 3, 4, { 3, 4, 3 } },
        { "two characters typed at the start", { 0, 0 }, 2, 7, { 0, 0, 2 } },
        { "lengths that leave part of the selection", { 1, 4 }, 2, 5, { 0, 5, 5 } },
    } };
    for (const Case& c : cases) {
        const ExactText::Edit edit = area.editAtSelection(c.before, c.caret, c.newLength);
        EXPECT_EQ(edit.from, c.edit.from) << c.what;
        EXPECT_EQ(edit.oldEnd, c.edit.oldEnd) << c.what;
        EXPECT_EQ(edit.newEnd, c.edit.newEnd) << c.what;
    }
    area.followEdit(area.editAtSelection({ 1, 4 }, 2, 3), u"x");
    EXPECT_EQ(area.text(), u"axd");
}

} // namespace
