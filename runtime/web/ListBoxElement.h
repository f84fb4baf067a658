#pragma once

#include "Element.h"
#include "ListBox.h"
#include "Taps.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rt {

class Session;

namespace web {

// The list box over an element of role listbox with a row of role option for
// each row. The selection is this object's own; the page only shows it. A
// pick is decided from the press, tap or key itself, so that a press on the
// selected row picks too.
class ListBoxElement final : public ListBox, public Element {
public:
    ListBoxElement(Session& session, const Element& form, std::vector<std::u16string> rows);

    void setClickHandler(std::function<void()> handler) override { click_ = std::move(handler); }
    [[nodiscard]] Index ListIndex() const override { return selected_; }
    [[nodiscard]] std::u16string List(Index row) const override;

    bool event(Event type, int /*a*/, int /*b*/) override;
    bool pointerEvent(Event type, const PointerReport& report) override;
    bool textEvent(Event type, std::u16string_view key, int modifiers) override;

private:
    void select(int row);
    void pickRow(int row);
    void raiseClick();

    Session& session_;
    std::function<void()> click_;
    Taps taps_;
    std::vector<std::u16string> rows_;
    std::vector<std::unique_ptr<Element>> rowElements_;
    Index selected_ = kNoSelection;
    // The row a move starts from while none is selected.
    int focusRow_ = 0;
};

} // namespace web
} // namespace rt
