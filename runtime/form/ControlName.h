#pragma once

#include "FormDefinition.h"

#include <string_view>

namespace rt {

// The name of a single control of kind Control, as one constant that a form's
// definition and its code share; a form checks name and kind when code first
// resolves it.
template <class Control> struct ControlName {
    std::string_view name;
};

// The name of a control array whose elements are of kind Control.
template <class Control> struct ArrayName {
    std::string_view name;
};

// The kind of control a name stands for, for the definition's entries.
template <class Control> [[nodiscard]] constexpr ControlKind kindOf(ControlName<Control> /*name*/)
{
    return Control::kKind;
}
template <class Control> [[nodiscard]] constexpr ControlKind kindOf(ArrayName<Control> /*name*/)
{
    return Control::kKind;
}

} // namespace rt
