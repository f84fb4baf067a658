#include "Taps.h"

#include <cstdlib>
#include <utility>

namespace rt {

PointerPick Taps::pointer(PointerPhase phase, const PointerPress& press)
{
    const bool finger = press.kind == PointerKind::Finger;
    switch (phase) {
    case PointerPhase::Down:
        if (finger && press.primary) {
            finger_ = press.pointer;
            downX_ = press.x;
            downY_ = press.y;
            swiping_ = false;
            tapping_ = !press.coasting;
            return PointerPick::None;
        }
        // A second finger, or the mouse, in between.
        tapping_ = false;
        return !finger && press.button == 0 ? PointerPick::Press : PointerPick::None;
    case PointerPhase::Move:
        if (finger && finger_ == press.pointer && !swiping_
            && std::abs(press.x - downX_) + std::abs(press.y - downY_) > dragDistance_) {
            swiping_ = true;
            tapping_ = false;
        }
        return PointerPick::None;
    case PointerPhase::Up:
        if (!finger || finger_ != press.pointer) {
            return PointerPick::None;
        }
        finger_.reset();
        swiping_ = false;
        if (!std::exchange(tapping_, false)) {
            return PointerPick::None;
        }
        tapped_ = true;
        return PointerPick::Tap;
    case PointerPhase::Cancel:
        finger_.reset();
        tapping_ = false;
        swiping_ = false;
        return PointerPick::None;
    }
    return PointerPick::None;
}

bool Taps::touchEnded()
{
    return std::exchange(tapped_, false);
}

} // namespace rt
