#include "FormKeys.h"

namespace rt {

std::optional<bool> fullScreenAfter(FormKey key, const Modifiers& modifiers, bool fullScreen)
{
    if (modifiers.shift || isShortcut(modifiers)) {
        return std::nullopt;
    }
    switch (key) {
    case FormKey::FullScreen:
        return !fullScreen;
    case FormKey::Escape:
        // Escape on a window of the usual size is the control's, or nothing.
        return fullScreen ? std::optional(false) : std::nullopt;
    case FormKey::Other:
        break;
    }
    return std::nullopt;
}

} // namespace rt
