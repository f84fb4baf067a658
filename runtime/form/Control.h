#pragma once

namespace rt {

// A control of a form. The form owns its controls for its whole life; code
// reaches them by reference through the names of the form's definition.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    Control(Control&&) = delete;
    Control& operator=(Control&&) = delete;
    virtual ~Control() = default;
};

} // namespace rt
