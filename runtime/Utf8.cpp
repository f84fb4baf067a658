#include "Utf8.h"

namespace rt {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

struct Lead {
    std::size_t length = 0;
    char32_t bits = 0;
    char32_t least = 0;
};

Lead leadOf(unsigned char byte)
{
    if (byte < 0x80U) {
        return { 1, byte, 0 };
    }
    if (byte >= 0xC2U && byte < 0xE0U) {
        return { 2, byte & 0x1FU, 0x80 };
    }
    if (byte >= 0xE0U && byte < 0xF0U) {
        return { 3, byte & 0x0FU, 0x800 };
    }
    if (byte >= 0xF0U && byte < 0xF5U) {
        return { 4, byte & 0x07U, 0x10000 };
    }
    return {};
}

} // namespace

std::u16string fromUtf8(std::string_view utf8)
{
    std::u16string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Lead lead = leadOf(static_cast<unsigned char>(utf8[i]));
        char32_t c = lead.bits;
        std::size_t k = 1;
        for (; k < lead.length && i + k < utf8.size(); ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0U) != 0x80U) {
                break;
            }
            c = (c << 6U) | (next & 0x3FU);
        }
        const bool valid = lead.length != 0 && k == lead.length && c >= lead.least && c <= 0x10FFFF
            && (c < 0xD800 || c > 0xDFFF);
        if (!valid) {
            text += kReplacement;
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10U));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FFU));
        } else {
            text += static_cast<char16_t>(c);
        }
        i += lead.length;
    }
    return text;
}

} // namespace rt
