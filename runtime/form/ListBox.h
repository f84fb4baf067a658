#pragma once

#include "Control.h"
#include "FormDefinition.h"
#include "Index.h"

#include <functional>
#include <string>

namespace rt {

// A single-selection, unsorted list box. Click is raised for every pick:
// each mouse press or finger tap on a row, also the selected one (a
// double-click is two presses); each keyboard move of the selection; a typed
// character equal to a row's text; and Enter on the selected row. Focus
// changes, drags, swipes, wheel and scroll bar raise nothing.
class ListBox : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::ListBox;

    // The selected row, or kNoSelection.
    [[nodiscard]] virtual Index ListIndex() const = 0;
    // The text of row `row`; run-time error 381 outside the list.
    [[nodiscard]] virtual std::u16string List(Index row) const = 0;
    virtual void setClickHandler(std::function<void()> handler) = 0;
};

} // namespace rt
