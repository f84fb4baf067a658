#include "LineBreaks.h"

namespace rt {

std::u16string withCrLf(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (!isLineBreak(c)) {
            result += c;
            continue;
        }
        result += kCrLf;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
    }
    return result;
}

} // namespace rt
