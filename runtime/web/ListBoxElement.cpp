#include "ListBoxElement.h"

#include "Bridge.h"

#include <array>
#include <optional>

namespace rt::web {

namespace {

// The page's names of the keys.
constexpr std::array<ListKeyName, 9> kListKeys { { { u"ArrowUp", ListKey::Up },
    { u"ArrowDown", ListKey::Down }, { u"ArrowLeft", ListKey::Left },
    { u"ArrowRight", ListKey::Right }, { u"PageUp", ListKey::PageUp },
    { u"PageDown", ListKey::PageDown }, { u"Home", ListKey::Home }, { u"End", ListKey::End },
    { u"Enter", ListKey::Enter } } };

} // namespace

ListBoxElement::ListBoxElement(
    Session& session, const Element& form, std::vector<std::u16string> rows)
    : Element(Tag::ListBox, &form)
    , core_(session, *this)
{
    rowElements_.reserve(rows.size());
    for (const std::u16string& row : rows) {
        auto element = std::make_unique<Element>(Tag::ListRow, this);
        element->showText(row);
        rowElements_.push_back(std::move(element));
    }
    core_.setRows(std::move(rows));
}

void ListBoxElement::showSelected(int row)
{
    // A pick of the selected row changes nothing the page shows.
    if (row == shown_) {
        return;
    }
    if (shown_ >= 0) {
        rt_dom_select_row(id(), shown_, 0);
    }
    shown_ = row;
    rt_dom_select_row(id(), row, 1);
}

void ListBoxElement::showRow(int row)
{
    rt_dom_show_row(id(), row);
}

ListMetrics ListBoxElement::metrics() const
{
    ListMetrics metrics;
    rt_dom_list_metrics(id(), &metrics.viewHeight, &metrics.rowHeight);
    return metrics;
}

bool ListBoxElement::event(Event type, int /*a*/, int /*b*/)
{
    return type == Event::TouchEnd && core_.touchEnded();
}

bool ListBoxElement::pointerEvent(Event type, const PointerReport& report)
{
    // The browser keeps its own focus and scrolling: nothing is refused.
    if (const std::optional<PointerPhase> phase = phaseOf(type)) {
        core_.pointer(*phase, report.press, report.row);
    }
    return false;
}

bool ListBoxElement::textEvent(Event type, std::u16string_view key, int modifiers)
{
    return type == Event::Key
        && (core_.key(listKeyOf(key, kListKeys)) || core_.typed(key, pageModifiers(modifiers)));
}

} // namespace rt::web
