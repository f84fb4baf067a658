#include "ListKeys.h"

#include <algorithm>

namespace rt {

ListKey listKeyOf(int code, std::span<const ListKeyCode> codes)
{
    const auto found = std::find_if(
        codes.begin(), codes.end(), [code](const ListKeyCode& key) { return key.code == code; });
    return found == codes.end() ? ListKey::Other : found->key;
}

int rowsPerPage(int viewHeight, int rowHeight)
{
    return std::max(viewHeight / std::max(rowHeight, 1) - 1, 1);
}

std::optional<ListKeyAction> actionOfKey(ListKey key, const ListState& state)
{
    if (state.count <= 0) {
        return std::nullopt;
    }
    const bool selected = state.selected != kNoSelection;
    if (key == ListKey::Enter) {
        return ListKeyAction { .click = selected };
    }
    const int last = state.count - 1;
    const int from = selected ? state.selected : std::clamp(state.focusRow, 0, last);
    const int step = selected ? 1 : 0;
    const int page = step * rowsPerPage(state.viewHeight, state.rowHeight);
    int target = 0;
    switch (key) {
    case ListKey::Up:
    case ListKey::Left:
        target = from - step;
        break;
    case ListKey::Down:
    case ListKey::Right:
        target = from + step;
        break;
    case ListKey::PageUp:
        target = from - page;
        break;
    case ListKey::PageDown:
        target = from + page;
        break;
    case ListKey::Home:
        target = 0;
        break;
    case ListKey::End:
        target = last;
        break;
    default:
        return std::nullopt;
    }
    target = std::clamp(target, 0, last);
    if (target == state.selected) {
        return ListKeyAction { .show = target };
    }
    return ListKeyAction { .select = target, .click = true, .show = target };
}

ListKey listKeyOf(std::u16string_view name, std::span<const ListKeyName> names)
{
    const auto found = std::find_if(
        names.begin(), names.end(), [name](const ListKeyName& key) { return key.name == name; });
    return found == names.end() ? ListKey::Other : found->key;
}

int rowOfTyped(std::span<const std::u16string> rows, std::u16string_view typed)
{
    if (typed.empty()) {
        return -1;
    }
    const auto row = std::find(rows.begin(), rows.end(), typed);
    return row == rows.end() ? -1 : static_cast<int>(row - rows.begin());
}

} // namespace rt
