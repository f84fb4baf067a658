#include "CommandButtonCore.h"

#include "Session.h"

namespace rt {

CommandButtonCore::CommandButtonCore(Session& session)
    : session_(session)
{
}

void CommandButtonCore::clicked()
{
    session_.raiseEvent(click_);
}

bool CommandButtonCore::key(ButtonKey key, bool autoRepeat)
{
    if (key != ButtonKey::Enter) {
        return false;
    }
    if (!autoRepeat) {
        clicked();
    }
    return true;
}

bool CommandButtonCore::pointer(PointerPhase phase, const PointerPress& press)
{
    if (taps_.pointer(phase, press) != PointerPick::Tap) {
        return false;
    }
    clicked();
    return true;
}

} // namespace rt
