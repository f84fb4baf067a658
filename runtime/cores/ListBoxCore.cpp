#include "ListBoxCore.h"

#include "RuntimeError.h"
#include "Session.h"

#include <optional>

namespace rt {

ListBoxCore::ListBoxCore(Session& session, ListBoxView& view, int dragDistance)
    : session_(session)
    , view_(view)
    , taps_(dragDistance)
{
}

std::u16string ListBoxCore::row(Index row) const
{
    if (!isRow(row)) {
        throw RuntimeError(RuntimeError::kInvalidPropertyArrayIndex);
    }
    return rows_[static_cast<std::size_t>(row)];
}

bool ListBoxCore::isRow(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size();
}

void ListBoxCore::select(int row)
{
    selected_ = static_cast<Index>(row);
    view_.showSelected(row);
}

void ListBoxCore::pick(int row)
{
    select(row);
    session_.raiseEvent(click_);
}

bool ListBoxCore::pointer(PointerPhase phase, const PointerPress& press, int row)
{
    if (phase == PointerPhase::Down && press.kind == PointerKind::Finger && press.primary) {
        touchedRow_ = row;
    }
    switch (taps_.pointer(phase, press)) {
    case PointerPick::Press:
        view_.takeFocus();
        if (isRow(row)) {
            pick(row);
        }
        break;
    case PointerPick::Tap:
        view_.takeFocus();
        if (isRow(touchedRow_)) {
            pick(touchedRow_);
        }
        break;
    case PointerPick::None:
        break;
    }
    // Every press and lift, a move with a button held, and every touch: the
    // list has no other use for them. A move with no button only hovers.
    return press.kind == PointerKind::Finger || phase != PointerPhase::Move || press.button >= 0;
}

bool ListBoxCore::key(ListKey key)
{
    const ListMetrics metrics = view_.metrics();
    const ListState state { .count = static_cast<int>(rows_.size()),
        .selected = selected_,
        // Until the first pick the focus frame stands on the first row; no
        // pick takes the selection away again.
        .focusRow = 0,
        .viewHeight = metrics.viewHeight,
        .rowHeight = metrics.rowHeight };
    const std::optional<ListKeyAction> action = actionOfKey(key, state);
    if (!action) {
        return false;
    }
    if (action->select >= 0) {
        select(action->select);
    }
    if (action->click) {
        session_.raiseEvent(click_);
    }
    if (action->show >= 0) {
        view_.showRow(action->show);
    }
    return true;
}

bool ListBoxCore::typed(std::u16string_view text, const Modifiers& modifiers)
{
    const int found = rowOfTyped(rows_, typedCharacter(text, modifiers));
    if (found < 0) {
        return false;
    }
    pick(found);
    view_.showRow(found);
    return true;
}

} // namespace rt
