#pragma once

#include "Control.h"
#include "FormDefinition.h"

namespace rt {

// A label: a caption the user cannot change or focus.
class Label : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::Label;
};

} // namespace rt
