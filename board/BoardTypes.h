#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace board {

// Strings of 16-bit code units, as the controls hold them.
using Text = std::u16string;
// Control-array elements and list rows are 16-bit signed, 0-based.
using Index = std::int16_t;
// A 16-bit Boolean: False is 0, True is -1.
using Boolean = std::int16_t;

inline constexpr Boolean False = 0;
inline constexpr Boolean True = -1;
inline constexpr Index kNoRow = -1;
inline constexpr std::u16string_view kLineBreak = u"\r\n";

} // namespace board
