#pragma once

#include "Element.h"
#include "ListBox.h"
#include "ListBoxCore.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rt {

class Session;

namespace web {

// The list box over an element of role listbox with a row of role option for
// each row: it hands the page's presses, taps and keys to the list's core
// and shows the selection the core decides.
class ListBoxElement final : public ListBox, public Element, private ListBoxView {
public:
    ListBoxElement(Session& session, const Element& form, std::vector<std::u16string> rows);

    void setClickHandler(std::function<void()> handler) override
    {
        core_.setClickHandler(std::move(handler));
    }
    [[nodiscard]] Index ListIndex() const override { return core_.selected(); }
    [[nodiscard]] std::u16string List(Index row) const override { return core_.row(row); }

    bool event(Event type, int /*a*/, int /*b*/) override;
    bool pointerEvent(Event type, const PointerReport& report) override;
    bool textEvent(Event type, std::u16string_view key, int modifiers) override;

private:
    void showSelected(int row) override;
    void showRow(int row) override;
    void takeFocus() override { focus(); }
    [[nodiscard]] ListMetrics metrics() const override;

    ListBoxCore core_;
    std::vector<std::unique_ptr<Element>> rowElements_;
    // The row the page shows selected, or -1.
    int shown_ = -1;
};

} // namespace web
} // namespace rt
