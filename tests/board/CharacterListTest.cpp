#include "CharacterList.h"

#include "Windows1251Oracle.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace board::testing {
namespace {

using testing_support::encodeWithSystem;

bool isBulgarianSmall(char16_t c)
{
    // а..я without ы and э, which Bulgarian does not use.
    return c >= u'\u0430' && c <= u'\u044F' && c != u'\u044B' && c != u'\u044D';
}

bool isBulgarianCapital(char16_t c)
{
    return c >= u'\u0410' && c <= u'\u042F' && c != u'\u042B' && c != u'\u042D';
}

bool isCyrillic(char16_t c)
{
    return c >= u'\u0400' && c <= u'\u052F';
}

char16_t row(std::size_t index)
{
    return characterRow(index).front();
}

TEST(CharacterList, HasItsFixedPoints)
{
    ASSERT_EQ(kCharacterRowCount, 122U);
    const std::pair<std::size_t, char16_t> fixed[] = {
        { 0, u'0' },
        { 9, u'9' },
        { 10, u'a' },
        { 35, u'z' },
        { 36, u'A' },
        { 61, u'Z' },
        { 62, u'а' },
        { 72, u'к' },
        { 86, u'ш' },
        { 87, u'щ' },
        { 88, u'ь' },
        { 89, u'ъ' },
        { 90, u'ю' },
        { 91, u'я' },
        { 92, u'А' },
        { 117, u'Щ' },
        { 118, u'Ь' },
        { 119, u'Ъ' },
        { 121, u'Я' },
    };
    for (const auto& [index, character] : fixed) {
        EXPECT_EQ(row(index), character) << "row " << index;
    }
}

TEST(CharacterList, EveryRowIsOneCharacter)
{
    for (std::size_t i = 0; i < kCharacterRowCount; ++i) {
        EXPECT_EQ(characterRow(i).size(), 1U) << "row " << i;
    }
}

TEST(CharacterList, GroupsHoldDigitsThenLatinThenCyrillic)
{
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(row(i), u'0' + i);
    }
    for (std::size_t i = 0; i < 26; ++i) {
        EXPECT_EQ(row(10 + i), u'a' + i);
        EXPECT_EQ(row(36 + i), u'A' + i);
    }
    for (std::size_t i = 62; i < 92; ++i) {
        EXPECT_TRUE(isBulgarianSmall(row(i))) << "row " << i;
        EXPECT_TRUE(isBulgarianCapital(row(i + 30))) << "row " << i + 30;
        EXPECT_EQ(row(i + 30), row(i) - 0x20) << "capitals follow the small letters' order";
    }
}

TEST(CharacterList, HoldsEachBulgarianLetterOnceAndNoOtherCyrillic)
{
    std::multiset<char16_t> cyrillic;
    for (const char16_t c : kCharacterRows) {
        if (isCyrillic(c)) {
            cyrillic.insert(c);
            EXPECT_TRUE(isBulgarianSmall(c) || isBulgarianCapital(c))
                << "not a Bulgarian letter: U+" << std::hex << static_cast<int>(c);
        }
    }
    for (char16_t c = u'\u0410'; c <= u'\u044F'; ++c) {
        if (isBulgarianSmall(c) || isBulgarianCapital(c)) {
            EXPECT_EQ(cyrillic.count(c), 1U) << "U+" << std::hex << static_cast<int>(c);
        }
    }
    EXPECT_EQ(cyrillic.size(), 60U);
}

TEST(CharacterList, HasNoSpacePunctuationOrRepeats)
{
    std::set<char16_t> seen;
    for (const char16_t c : kCharacterRows) {
        const bool ascii
            = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        EXPECT_TRUE(ascii || isCyrillic(c)) << "U+" << std::hex << static_cast<int>(c);
        EXPECT_TRUE(seen.insert(c).second) << "repeated U+" << std::hex << static_cast<int>(c);
    }
}

TEST(CharacterList, EveryRowHasOneWindows1251Byte)
{
    ASSERT_FALSE(encodeWithSystem(u"\u4E00")) << "the encoder must reject what it lacks";
    std::set<std::string> bytes;
    for (std::size_t i = 0; i < kCharacterRowCount; ++i) {
        const auto encoded = encodeWithSystem(characterRow(i));
        ASSERT_TRUE(encoded) << "row " << i;
        EXPECT_EQ(encoded->size(), 1U) << "row " << i;
        bytes.insert(*encoded);
    }
    EXPECT_EQ(bytes.size(), kCharacterRowCount);
}

} // namespace
} // namespace board::testing
