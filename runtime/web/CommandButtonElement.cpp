#include "CommandButtonElement.h"

namespace rt::web {

CommandButtonElement::CommandButtonElement(Session& session, const Element& form)
    : Element(Tag::Button, &form)
    , core_(session)
{
}

bool CommandButtonElement::event(Event type, int /*a*/, int /*b*/)
{
    switch (type) {
    case Event::Press:
        core_.clicked();
        return true;
    case Event::TouchEnd:
        return core_.touchEnded();
    default:
        return false;
    }
}

bool CommandButtonElement::pointerEvent(Event type, const PointerReport& report)
{
    if (const std::optional<PointerPhase> phase = phaseOf(type)) {
        if (core_.pointer(*phase, report.press)) {
            focus();
        }
    }
    return false;
}

bool CommandButtonElement::textEvent(Event type, std::u16string_view key, int modifiers)
{
    // The browser's own button would click on Enter again at every repeat.
    return type == Event::Key
        && core_.key(key == u"Enter" ? ButtonKey::Enter : ButtonKey::Other, pageRepeat(modifiers));
}

} // namespace rt::web
