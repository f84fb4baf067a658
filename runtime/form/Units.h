#pragma once

#include "FormDefinition.h"

namespace rt {

// Twips are 1/1440 inch; at 96 dots per inch 15 make one pixel.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
// A font's points are 1/72 inch.
inline constexpr int kPointsPerInch = 72;

// Pixels on a screen of `dpi` dots per inch, rounded to the nearest.
[[nodiscard]] constexpr int twipsToPixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled + (scaled >= 0 ? half : -half)) / kTwipsPerInch);
}

// Pixels at 96 dpi; a platform that scales by itself on denser screens
// needs no more.
[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return twipsToPixels(twips, kStandardDpi);
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

[[nodiscard]] constexpr PixelRect toPixels(const TwipsRect& place, int dpi = kStandardDpi)
{
    return { twipsToPixels(place.left, dpi), twipsToPixels(place.top, dpi),
        twipsToPixels(place.width, dpi), twipsToPixels(place.height, dpi) };
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
