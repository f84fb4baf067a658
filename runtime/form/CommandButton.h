#pragma once

#include "Control.h"
#include "FormDefinition.h"

#include <functional>

namespace rt {

// A push button. Click is raised by the mouse, Space or Enter. A button with
// a back colour shows it over its whole face, whatever the platform's style.
class CommandButton : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::CommandButton;

    virtual void setClickHandler(std::function<void()> handler) = 0;
};

} // namespace rt
