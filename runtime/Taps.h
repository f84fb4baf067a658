#pragma once

#include <optional>

namespace rt {

// What touches a control, as the page's pointer events tell it: a pen is
// taken as a finger.
enum class PointerKind { Mouse, Finger };

enum class PointerPhase { Down, Up, Cancel };

struct PointerPress {
    PointerKind kind = PointerKind::Mouse;
    // The DOM's numbering: 0 is the main button.
    int button = 0;
    // The pointer's own number, the same from its press to its lift.
    int pointer = 0;
    // The first finger on the screen; a second one taps nothing.
    bool primary = true;
};

// What a pointer's event makes of a control: nothing, a press of the
// mouse's main button (a native list picks on it), or a finger's tap.
enum class PointerPick { None, Press, Tap };

// The pointers on one control. A tap is a touch of the first finger that
// lifts where the browser did not take it for a swipe, which it cancels to
// scroll; so a finger waits for its lift, where the mouse picks at once.
// Each tap is one: the browser is kept from making a click of it, which it
// would leave out of a quick double tap.
class Taps {
public:
    [[nodiscard]] PointerPick follow(PointerPhase phase, const PointerPress& press);
    // Whether the touch that ended was a tap, whose click the browser must
    // not make; asked once.
    [[nodiscard]] bool touchEnded();

private:
    std::optional<int> touching_;
    bool tapped_ = false;
};

} // namespace rt
