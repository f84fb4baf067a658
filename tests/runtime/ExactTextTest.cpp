#include "TextBuffer.h"

#include <gtest/gtest.h>

namespace {

using rt::TextBuffer;
constexpr char16_t kSep = TextBuffer::kSeparator;

TEST(TextBuffer, ShowsEveryLineBreakAsOneSeparator)
{
    TextBuffer buffer;
    const std::u16string document = buffer.assign(u"a\r\nb\rc\nd\u2029e\r\r\n");
    EXPECT_EQ(document,
        std::u16string(u"a") + kSep + u"b" + kSep + u"c" + kSep + u"d" + kSep + u"e" + kSep + kSep);
    EXPECT_EQ(buffer.documentLength(), document.size());
    EXPECT_EQ(buffer.documentSlice(0, document.size()), document);
}

TEST(TextBuffer, MapsDocumentPositionsPastPairs)
{
    TextBuffer buffer;
    buffer.assign(u"1\r\n2\r3\r\n4");
    EXPECT_EQ(buffer.textPosition(0), 0U);
    EXPECT_EQ(buffer.textPosition(2), 3U);
    EXPECT_EQ(buffer.textPosition(4), 5U);
    EXPECT_EQ(buffer.textPosition(6), 8U);
}

TEST(TextBuffer, ExtendingALoneCarriageReturnWithALineFeedMakesOnePair)
{
    TextBuffer buffer;
    buffer.assign(u"a\r");
    const auto tail = buffer.extend(u"a\r\nb");
    ASSERT_TRUE(tail);
    EXPECT_EQ(*tail, u"b") << "the separator is already there";
    EXPECT_EQ(buffer.text(), u"a\r\nb");
    EXPECT_EQ(buffer.documentLength(), 3U);
}

TEST(TextBuffer, RefusesToExtendWithADifferentStart)
{
    TextBuffer buffer;
    buffer.assign(u"abc");
    EXPECT_FALSE(buffer.extend(u"abd"));
    EXPECT_FALSE(buffer.extend(u"ab"));
    EXPECT_EQ(buffer.text(), u"abc");
}

TEST(TextBuffer, EditsAcrossPairsKeepLaterPairs)
{
    TextBuffer buffer;
    buffer.assign(u"x\r\ny\r\nz\rw\r\nv");
    // Document: x ¶ y ¶ z ¶ w ¶ v; the user replaces "¶y¶" by "Q¶".
    buffer.replaceDocumentRange(1, 3, std::u16string(u"Q") + kSep);
    EXPECT_EQ(buffer.text(), u"xQ\r\nz\rw\r\nv");
    EXPECT_EQ(buffer.documentSlice(0, buffer.documentLength()),
        std::u16string(u"xQ") + kSep + u"z" + kSep + u"w" + kSep + u"v");
    buffer.replaceDocumentRange(6, 1, u"");
    EXPECT_EQ(buffer.text(), u"xQ\r\nz\rwv");
}

} // namespace
