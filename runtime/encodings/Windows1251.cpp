#include "Windows1251.h"

namespace rt::windows1251 {

std::u16string decode(std::string_view bytes)
{
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const char16_t c = byte < 0x80 ? char16_t { byte } : kHighHalf[byte - 0x80U];
        text[i] = (byte >= 0x80 && c == 0) ? u'\uFFFD' : c;
    }
    return text;
}

} // namespace rt::windows1251
