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
    if (type != Event::Press) {
        return false;
    }
    session_.raiseEvent(click_);
    return true;
}

} // namespace rt::web
