#include "Taps.h"

#include <utility>

namespace rt {

PointerPick Taps::follow(PointerPhase phase, const PointerPress& press)
{
    switch (phase) {
    case PointerPhase::Down:
        touching_ = press.kind == PointerKind::Finger && press.primary
            ? std::optional(press.pointer)
            : std::nullopt;
        return press.kind == PointerKind::Mouse && press.button == 0 ? PointerPick::Press
                                                                     : PointerPick::None;
    case PointerPhase::Up:
        if (touching_ != press.pointer) {
            return PointerPick::None;
        }
        touching_.reset();
        tapped_ = true;
        return PointerPick::Tap;
    case PointerPhase::Cancel:
        touching_.reset();
        return PointerPick::None;
    }
    return PointerPick::None;
}

bool Taps::touchEnded()
{
    return std::exchange(tapped_, false);
}

} // namespace rt
