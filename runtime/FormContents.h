#pragma once

#include "FormDefinition.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rt {

// The definition's controls in tab order, as positions in its list: by tab
// index, and in the definition's order where two share one.
[[nodiscard]] std::vector<std::size_t> tabOrder(const FormDefinition& form);

// Where Tab moves the focus among `count` tab stops, in tab order: to the
// stop after `current`, or before it when `backwards`, round and round. From
// none of them (`current` none) it goes to the first, or backwards the last.
[[nodiscard]] std::size_t nextTabStop(
    std::size_t count, std::optional<std::size_t> current, bool backwards);

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
