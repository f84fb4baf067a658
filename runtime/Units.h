#pragma once

#include "FormDefinition.h"

namespace rt {

// Twips are 1/1440 inch; at 96 dots per inch 15 make one pixel. A platform
// scales these pixels on screens of other densities.
inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -(kTwipsPerPixel / 2))) / kTwipsPerPixel;
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

[[nodiscard]] constexpr PixelRect toPixels(const TwipsRect& place)
{
    return { twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
        twipsToPixels(place.height) };
}

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// &H00BBGGRR&: red in the lowest byte.
[[nodiscard]] constexpr Rgb toRgb(Colour colour)
{
    return { static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
        static_cast<int>((colour >> 16U) & 0xFFU) };
}

} // namespace rt
