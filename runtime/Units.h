#pragma once

#include "FormDefinition.h"

#include <QColor>
#include <QRect>

namespace rt {

// Twips are 1/1440 inch; at 96 dots per inch 15 make one pixel, and Qt's
// device-independent pixels scale from there on high-DPI screens.
inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -(kTwipsPerPixel / 2))) / kTwipsPerPixel;
}

[[nodiscard]] constexpr QRect toPixels(const TwipsRect& place)
{
    return { twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
        twipsToPixels(place.height) };
}

// &H00BBGGRR&: red in the lowest byte.
[[nodiscard]] constexpr QColor toQColor(Colour colour)
{
    return { static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
        static_cast<int>((colour >> 16U) & 0xFFU) };
}

} // namespace rt
