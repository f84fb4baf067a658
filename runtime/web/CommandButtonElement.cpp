#include "CommandButtonElement.h"

#include "Session.h"

namespace rt::web {

CommandButtonElement::CommandButtonElement(Session& session, const Element& form)
    : Element(Tag::Button, &form)
    , session_(session)
{
}

bool CommandButtonElement::event(Event type, int /*a*/, int /*b*/)
{
    switch (type) {
    case Event::Press:
        session_.raiseEvent(click_);
        return true;
    case Event::TouchEnd:
        return taps_.touchEnded();
    default:
        return false;
    }
}

bool CommandButtonElement::pointerEvent(Event type, const PointerReport& report)
{
    const std::optional<PointerPhase> phase = phaseOf(type);
    if (phase && taps_.follow(*phase, report.press) == PointerPick::Tap) {
        focus();
        session_.raiseEvent(click_);
    }
    return false;
}

} // namespace rt::web
