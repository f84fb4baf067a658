#include "FormFit.h"

#include <algorithm>

namespace rt {

namespace {

// The largest dpi at which `twips` round to no more than `space` pixels.
int largestDpiWithin(int space, int twips)
{
    if (twips <= 0) {
        return kMaximumFitDpi;
    }
    // twipsToPixels rounds half up: it stays within `space` while
    // twips × dpi < (space + ½) × 1440.
    const long long limit
        = static_cast<long long>(std::max(space, 0)) * kTwipsPerInch + kTwipsPerInch / 2 - 1;
    const long long dpi = limit / twips;
    return static_cast<int>(std::clamp<long long>(dpi, 0, kMaximumFitDpi));
}

int centred(int space, int size)
{
    return space > size ? (space - size) / 2 : 0;
}

} // namespace

FormFit fitAt(int dpi, int clientWidth, int clientHeight)
{
    return { .dpi = dpi,
        .board = { 0, 0, twipsToPixels(clientWidth, dpi), twipsToPixels(clientHeight, dpi) } };
}

FormFit fitForm(int spaceWidth, int spaceHeight, int clientWidth, int clientHeight)
{
    const int dpi = clientWidth > 0 || clientHeight > 0
        ? std::clamp(std::min(largestDpiWithin(spaceWidth, clientWidth),
                         largestDpiWithin(spaceHeight, clientHeight)),
            kMinimumFitDpi, kMaximumFitDpi)
        : kStandardDpi;
    FormFit fit = fitAt(dpi, clientWidth, clientHeight);
    fit.board.left = centred(spaceWidth, fit.board.width);
    fit.board.top = centred(spaceHeight, fit.board.height);
    return fit;
}

} // namespace rt
