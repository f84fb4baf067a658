#pragma once

#include "CommandButton.h"
#include "CommandButtonCore.h"
#include "Element.h"

#include <functional>

namespace rt {

class Session;

namespace web {

// The push button over a <button>: its clicks, taps and keys go to the
// button's core. The page's click, of a mouse click or Space, presses it;
// a double-click is two clicks.
class CommandButtonElement final : public CommandButton, public Element {
public:
    CommandButtonElement(Session& session, const Element& form);

    void setClickHandler(std::function<void()> handler) override
    {
        core_.setClickHandler(std::move(handler));
    }
    bool event(Event type, int /*a*/, int /*b*/) override;
    bool pointerEvent(Event type, const PointerReport& report) override;
    bool textEvent(Event type, std::u16string_view key, int modifiers) override;

private:
    CommandButtonCore core_;
};

} // namespace web
} // namespace rt
