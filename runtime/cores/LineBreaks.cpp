#include "LineBreaks.h"

namespace rt {

namespace {

// Calls `put` with each character of `text` with its line breaks as CR LF.
template <typename Put> void eachWithCrLf(std::u16string_view text, Put put)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (!isLineBreak(c)) {
            put(c);
            continue;
        }
        put(kCrLf[0]);
        put(kCrLf[1]);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
    }
}

} // namespace

std::u16string withCrLf(std::u16string_view text)
{
    // Measured first and then filled, so that the loop calls nothing that
    // may throw: a page's exceptions make every such call a trip out of
    // WebAssembly and back.
    std::size_t length = 0;
    eachWithCrLf(text, [&length](char16_t) { ++length; });
    std::u16string result(length, u'\0');
    std::size_t at = 0;
    eachWithCrLf(text, [&result, &at](char16_t c) { result[at++] = c; });
    return result;
}

} // namespace rt
