#pragma once

#include <optional>

namespace rt {

// What touches a control: a pen is taken as a finger.
enum class PointerKind { Mouse, Finger };

enum class PointerPhase { Down, Move, Up, Cancel };

// One event of a pointer over a control, as a platform reports it.
struct PointerPress {
    PointerKind kind = PointerKind::Mouse;
    // The button pressed or lifted, the DOM's numbering: 0 is the main one.
    // For a move, the button held, or -1 for none.
    int button = 0;
    // The pointer's own number, the same from its press to its lift.
    int pointer = 0;
    // The first finger on the screen; a second one taps nothing.
    bool primary = true;
    // Where it is, in the control's pixels.
    int x = 0;
    int y = 0;
    // At a press: the content was still coasting from a flick, which the
    // touch stops.
    bool coasting = false;
};

// What a pointer's event makes of a control: nothing, a press of the
// mouse's main button (a native list picks on it), or a finger's tap.
enum class PointerPick { None, Press, Tap };

// The pointers on one control. A tap is a touch of the first finger that
// lifts where it went down: one that moves farther than the drag distance
// is a swipe, which scrolls, and so is one the platform cancels to scroll
// (as a browser does). A touch that stops coasting content, and one that a
// second finger or another pointer joins, taps nothing either. So a finger
// waits for its lift, where the mouse picks at once. Each tap is one: the
// platform is kept from making a click of it too.
class Taps {
public:
    // `dragDistance`, in pixels: how far a finger may move and still tap.
    explicit Taps(int dragDistance = 0)
        : dragDistance_(dragDistance)
    {
    }

    [[nodiscard]] PointerPick pointer(PointerPhase phase, const PointerPress& press);
    // Whether the finger down now swipes: the content follows it.
    [[nodiscard]] bool swiping() const { return swiping_; }
    // Where the last touch went down, which a tap picks.
    [[nodiscard]] int downX() const { return downX_; }
    [[nodiscard]] int downY() const { return downY_; }
    // Whether the touch that ended was a tap, whose click the platform must
    // not make; asked once.
    [[nodiscard]] bool touchEnded();

private:
    int dragDistance_;
    // The first finger while it is down.
    std::optional<int> finger_;
    int downX_ = 0;
    int downY_ = 0;
    // Whether a lift of that finger would still tap.
    bool tapping_ = false;
    bool swiping_ = false;
    bool tapped_ = false;
};

} // namespace rt
