#pragma once

#include <string>
#include <string_view>

namespace rt {

// The line break a text box holds, whatever the user typed or pasted.
inline constexpr std::u16string_view kCrLf = u"\r\n";

// A line break in any spelling a keyboard or clipboard brings: CR, LF, or
// the paragraph separator U+2029 (CR LF is CR followed by LF).
[[nodiscard]] constexpr bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == u'\u2029';
}

// `text` with every line break in any spelling as CR LF: CR LF stays one.
[[nodiscard]] std::u16string withCrLf(std::u16string_view text);

} // namespace rt
