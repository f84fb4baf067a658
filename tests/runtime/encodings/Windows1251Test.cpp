#include "Windows1251.h"

#include "Windows1251Oracle.h"

#include <gtest/gtest.h>

namespace {

using namespace rt::windows1251;
using testing_support::decodeWithSystem;
using testing_support::encodeWithSystem;

TEST(Windows1251, DecodesEveryByteAsTheSystemDoes)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        const auto expected = decodeWithSystem(bytes);
        const std::u16string ours = decode(bytes);
        if (expected) {
            EXPECT_EQ(ours, *expected) << "byte " << byte;
        } else {
            EXPECT_EQ(ours, u"\uFFFD") << "byte " << byte << " has no character";
        }
    }
}

TEST(Windows1251, EncodesEveryCharacterItHasAsTheSystemDoes)
{
    int encodable = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        const auto character = static_cast<char16_t>(c);
        const auto expected = encodeWithSystem(std::u16string_view(&character, 1));
        const int ours = byteOf(character);
        if (expected && expected->size() == 1) {
            ++encodable;
            EXPECT_EQ(ours, static_cast<unsigned char>(expected->front()))
                << "U+" << std::hex << static_cast<unsigned>(c);
        } else {
            EXPECT_EQ(ours, -1) << "U+" << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_EQ(encodable, 255);
}

TEST(Windows1251, EncodesLiteralsAtCompileTime)
{
    static constexpr auto bytes = encode(u"Зa\r\n");
    static_assert(bytes.size() == 4);
    static_assert(bytes[0] == '\xC7' && bytes[1] == 'a' && bytes[2] == '\r' && bytes[3] == '\n');
    EXPECT_EQ(decode(view(bytes)), u"Зa\r\n");
}

} // namespace
