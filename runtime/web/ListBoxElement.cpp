#include "ListBoxElement.h"

#include "Bridge.h"
#include "ListKeys.h"
#include "RuntimeError.h"
#include "Session.h"

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
    , session_(session)
    , rows_(std::move(rows))
{
    rowElements_.reserve(rows_.size());
    for (const std::u16string& row : rows_) {
        auto element = std::make_unique<Element>(Tag::ListRow, this);
        element->showText(row);
        rowElements_.push_back(std::move(element));
    }
}

std::u16string ListBoxElement::List(Index row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        throw RuntimeError(RuntimeError::kInvalidPropertyArrayIndex);
    }
    return rows_[static_cast<std::size_t>(row)];
}

void ListBoxElement::select(int row)
{
    // A pick of the selected row changes nothing the page shows.
    if (row == selected_) {
        return;
    }
    if (selected_ != kNoSelection) {
        rt_dom_select_row(id(), selected_, 0);
    }
    selected_ = static_cast<Index>(row);
    focusRow_ = row;
    rt_dom_select_row(id(), row, 1);
}

void ListBoxElement::raiseClick()
{
    session_.raiseEvent(click_);
}

void ListBoxElement::pickRow(int row)
{
    select(row);
    raiseClick();
}

bool ListBoxElement::event(Event type, int /*a*/, int /*b*/)
{
    return type == Event::TouchEnd && taps_.touchEnded();
}

bool ListBoxElement::pointerEvent(Event type, const PointerReport& report)
{
    const std::optional<PointerPhase> phase = phaseOf(type);
    if (!phase || taps_.follow(*phase, report.press) == PointerPick::None) {
        return false;
    }
    focus();
    if (report.row >= 0 && static_cast<std::size_t>(report.row) < rows_.size()) {
        pickRow(report.row);
    }
    return false;
}

bool ListBoxElement::textEvent(Event type, std::u16string_view key, int modifiers)
{
    if (type != Event::Key) {
        return false;
    }
    ListState state {
        .count = static_cast<int>(rows_.size()), .selected = selected_, .focusRow = focusRow_
    };
    rt_dom_list_metrics(id(), &state.viewHeight, &state.rowHeight);
    if (const std::optional<ListKeyAction> action = actionOfKey(listKeyOf(key, kListKeys), state)) {
        if (action->select >= 0) {
            select(action->select);
        }
        if (action->click) {
            raiseClick();
        }
        if (action->show >= 0) {
            rt_dom_show_row(id(), action->show);
        }
        return true;
    }
    const int row = rowOfTyped(rows_, typedCharacter(key, pageModifiers(modifiers)));
    if (row < 0) {
        return false;
    }
    pickRow(row);
    rt_dom_show_row(id(), row);
    return true;
}

} // namespace rt::web
