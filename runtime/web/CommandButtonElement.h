#pragma once

#include "CommandButton.h"
#include "Element.h"
#include "Taps.h"

#include <functional>

namespace rt {

class Session;

namespace web {

// The push button over a <button>: the page's click, of a mouse click, Space
// or Enter, presses it, and so does a finger's tap; a double-click is two
// clicks.
class CommandButtonElement final : public CommandButton, public Element {
public:
    CommandButtonElement(Session& session, const Element& form);

    void setClickHandler(std::function<void()> handler) override { click_ = std::move(handler); }
    bool event(Event type, int /*a*/, int /*b*/) override;
    bool pointerEvent(Event type, const PointerReport& report) override;

private:
    Session& session_;
    std::function<void()> click_;
    Taps taps_;
};

} // namespace web
} // namespace rt
