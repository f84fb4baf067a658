#pragma once

#include "FormDefinition.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rt {

// The definition's controls in tab order, as positions in its list: by tab
// index, and in the definition's order where two share one.
[[nodiscard]] std::vector<std::size_t> tabOrder(const FormDefinition& form);

// The controls that Tab visits, in tab order, as positions in the
// definition's list: every shown control but a label. No code shows or
// hides a control after the definition, so the definition tells.
[[nodiscard]] std::vector<std::size_t> tabStops(const FormDefinition& form);

// Whether a control of `kind` has a context menu of its own: a text box
// alone, as in a native window.
[[nodiscard]] constexpr bool hasOwnMenu(ControlKind kind)
{
    return kind == ControlKind::TextBox;
}

// Where Tab moves the focus among `count` tab stops, in tab order: to the
// stop after `current`, or before it when `backwards`, round and round. From
// none of them (`current` none) it goes to the first, or backwards the last.
[[nodiscard]] std::size_t nextTabStop(
    std::size_t count, std::optional<std::size_t> current, bool backwards);

// The stop among `stops`, in tab order, that Tab moves the focus to from
// `focused`, which may be none of them; `Stop{}` when there are none.
template <typename Stop>
[[nodiscard]] Stop tabTarget(const std::vector<Stop>& stops, const Stop& focused, bool backwards)
{
    if (stops.empty()) {
        return Stop {};
    }
    const auto at = std::find(stops.begin(), stops.end(), focused);
    const std::optional<std::size_t> current = at == stops.end()
        ? std::nullopt
        : std::optional(static_cast<std::size_t>(at - stops.begin()));
    return stops[nextTabStop(stops.size(), current, backwards)];
}

// What a control shows and tells, decoded from the definition's Windows-1251.
struct ControlContents {
    // A text box's text, a button's or a label's caption.
    std::u16string text;
    // A list box's rows.
    std::vector<std::u16string> rows;
    std::u16string accessibleName;
    std::u16string accessibleDescription;
};

[[nodiscard]] ControlContents contentsOf(const ControlDefinition& control);

} // namespace rt
