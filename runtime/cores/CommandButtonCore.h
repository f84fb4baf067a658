#pragma once

#include "Taps.h"
#include "Units.h"

#include <functional>

namespace rt {

class Session;

// The keys a push button acts on itself; the toolkit's own button takes
// Space.
enum class ButtonKey { Enter, Other };

// Every rule of a push button, whatever draws it. A press raises Click: the
// mouse's click, Space, Enter on the focused button, and a finger's tap. A
// double-click is two presses, so that a child who clicks twice quickly
// gets two spaces. Enter presses once for each press of the key, not again
// on its auto-repeat.
class CommandButtonCore {
public:
    explicit CommandButtonCore(Session& session);

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

    // The toolkit's own click: by the mouse, a double-click's second one
    // included, or by Space.
    void clicked();
    // A key on the focused button; true when the button took it.
    bool key(ButtonKey key, bool autoRepeat);
    // A pointer's event, where the toolkit leaves touch to the control;
    // true at a tap, which presses.
    bool pointer(PointerPhase phase, const PointerPress& press);
    // Whether the touch that ended tapped, so that no click is made of it.
    [[nodiscard]] bool touchEnded() { return taps_.touchEnded(); }

    // The dotted focus frame lies this far inside the face's edge: one
    // pixel of it four pixels in at the standard dpi.
    static constexpr int kFocusFrameInset = 4 * kTwipsPerInch / kStandardDpi;

private:
    Session& session_;
    std::function<void()> click_;
    Taps taps_;
};

} // namespace rt
