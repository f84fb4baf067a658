#pragma once

#include "CommandButton.h"
#include "Element.h"

#include <functional>

namespace rt {

class Session;

namespace web {

// The push button over a <button>, whose click the page makes of a mouse
// click, a tap, Space and Enter; a double-click is two clicks.
class CommandButtonElement final : public CommandButton, public Element {
public:
    CommandButtonElement(Session& session, const Element& form);

    void setClickHandler(std::function<void()> handler) override { click_ = std::move(handler); }
    bool event(Event type, int /*a*/, int /*b*/) override;

private:
    Session& session_;
    std::function<void()> click_;
};

} // namespace web
} // namespace rt
