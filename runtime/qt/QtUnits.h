#pragma once

#include "Units.h"

#include <QColor>
#include <QRect>

namespace rt {

// Qt's device-independent pixels are the 96-dpi pixels of twipsToPixels;
// Qt scales them on screens of other densities. A form scaled to fill its
// window asks for another dpi.
[[nodiscard]] inline QRect toQRect(const TwipsRect& place, int dpi = kStandardDpi)
{
    const PixelRect pixels = toPixels(place, dpi);
    return { pixels.left, pixels.top, pixels.width, pixels.height };
}

[[nodiscard]] inline QColor toQColor(Colour colour)
{
    const Rgb rgb = toRgb(colour);
    return { rgb.red, rgb.green, rgb.blue };
}

} // namespace rt
