#include "Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, DecodesEveryLengthAndReplacesWhatIsMalformed)
{
    EXPECT_EQ(rt::fromUtf8("a\xD0\xAF\xE2\x82\xAC\xF0\x9F\x98\x80"), u"aЯ€\U0001F600");
    EXPECT_EQ(rt::fromUtf8("\xD0"), u"\uFFFD") << "cut short at the end";
    EXPECT_EQ(rt::fromUtf8("\xD0z"), u"\uFFFDz") << "cut short before a character";
    EXPECT_EQ(rt::fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong";
    EXPECT_EQ(rt::fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "a surrogate";
    EXPECT_EQ(rt::fromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD") << "past U+10FFFF";
    EXPECT_EQ(rt::fromUtf8("\x80"), u"\uFFFD");
}

} // namespace
