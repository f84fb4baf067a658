#pragma once

#include "Keys.h"

#include <optional>

namespace rt {

// The keys a sizable form takes for itself when its focused control leaves
// them: F11 puts the form on the whole screen and back, and Escape also
// takes it back.
enum class FormKey { Other, FullScreen, Escape };

// Whether the form is to be on the whole screen after `key`, from `fullScreen`
// now; none when the key is not the form's, and goes on as it would. A key
// held with Shift, Ctrl, Alt or a system key is never the form's.
[[nodiscard]] std::optional<bool> fullScreenAfter(
    FormKey key, const Modifiers& modifiers, bool fullScreen);

} // namespace rt
