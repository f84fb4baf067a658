#pragma once

#include "Units.h"

namespace rt {

// How a sizable form fills the space it is given: the same twips at another
// dots per inch, the whole form in proportion, centred in the space.
struct FormFit {
    // The dots per inch at which the client area just fits; every place comes
    // from twipsToPixels at this dpi.
    int dpi = kStandardDpi;
    // The client area's place in the space, in the space's pixels; the margin
    // around it shows the form's background.
    PixelRect board {};

    friend constexpr bool operator==(const FormFit&, const FormFit&) = default;
};

// Bounds that keep a fit sane on any screen: a quarter of the standard size
// for a space too small for anything, and room for an 8K screen and more.
inline constexpr int kMinimumFitDpi = kStandardDpi / 4;
inline constexpr int kMaximumFitDpi = kStandardDpi * 32;

// The client area of `clientWidth` × `clientHeight` twips at `dpi`, at the
// space's corner: where a form of a fixed size stands, and where a sizable
// one starts.
[[nodiscard]] FormFit fitAt(int dpi, int clientWidth, int clientHeight);

// The fit of a client area of `clientWidth` × `clientHeight` twips into a
// space of `spaceWidth` × `spaceHeight` pixels. Any size is taken: a space
// smaller than the bounds allow leaves the board at its top-left corner, cut
// off; an empty client area keeps the standard dpi.
[[nodiscard]] FormFit fitForm(int spaceWidth, int spaceHeight, int clientWidth, int clientHeight);

// The scale of a fit against the standard dpi, for platforms that scale
// pixels or points themselves.
[[nodiscard]] constexpr double scaleOf(const FormFit& fit)
{
    return static_cast<double>(fit.dpi) / kStandardDpi;
}

} // namespace rt
