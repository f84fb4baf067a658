#pragma once

#include "BoardTypes.h"

#include <cstddef>
#include <string_view>

namespace board {

// The magnetic letters, one row per code unit, in the order the list shows
// them. In both Cyrillic groups the soft sign stands before the hard sign.
inline constexpr std::u16string_view kCharacterRows = u"0123456789"
                                                      u"abcdefghijklmnopqrstuvwxyz"
                                                      u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                      u"абвгдежзийклмнопрстуфхцчшщьъюя"
                                                      u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЬЪЮЯ";

inline constexpr std::size_t kCharacterRowCount = kCharacterRows.size();
static_assert(kCharacterRowCount == 122);

// The text of row `row`, a one-character string.
[[nodiscard]] constexpr std::u16string_view characterRow(std::size_t row)
{
    return kCharacterRows.substr(row, 1);
}

} // namespace board
