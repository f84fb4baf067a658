#pragma once

#include "Units.h"

#include <QColor>
#include <QRect>

namespace rt {

// Qt's device-independent pixels are the 96-dpi pixels of twipsToPixels;
// Qt scales them on screens of other densities.
[[nodiscard]] inline QRect toQRect(const TwipsRect& place)
{
    const PixelRect pixels = toPixels(place);
    return { pixels.left, pixels.top, pixels.width, pixels.height };
}

[[nodiscard]] inline QColor toQColor(Colour colour)
{
    const Rgb rgb = toRgb(colour);
    return { rgb.red, rgb.green, rgb.blue };
}

} // namespace rt
