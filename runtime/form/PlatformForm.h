#pragma once

#include "Control.h"

#include <cstddef>

namespace rt {

// What a form asks of its platform's window, which each platform's folder
// makes (platform::makeForm): the controls it made from the definition, in
// definition order, and to be shown.
class PlatformForm {
public:
    PlatformForm() = default;
    PlatformForm(const PlatformForm&) = delete;
    PlatformForm& operator=(const PlatformForm&) = delete;
    PlatformForm(PlatformForm&&) = delete;
    PlatformForm& operator=(PlatformForm&&) = delete;
    virtual ~PlatformForm() = default;

    [[nodiscard]] virtual Control& control(std::size_t which) const = 0;
    // Shows the form with the focus on the first control of the tab order.
    virtual void showForm() = 0;
};

} // namespace rt
