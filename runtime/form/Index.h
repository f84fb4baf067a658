#pragma once

#include <cstdint>

namespace rt {

// Control-array elements and list rows: 16-bit signed, 0-based.
using Index = std::int16_t;

inline constexpr Index kNoSelection = -1;

} // namespace rt
