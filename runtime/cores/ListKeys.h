#pragma once

#include "Index.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rt {

// The keys a list box acts on, whatever the platform calls them.
enum class ListKey { Up, Down, Left, Right, PageUp, PageDown, Home, End, Enter, Other };

// A platform's code for one of the list's keys.
struct ListKeyCode {
    int code = 0;
    ListKey key = ListKey::Other;
};

// The list's key for a platform's key `code`, found in that platform's
// `codes`; Other when it is none of them.
[[nodiscard]] ListKey listKeyOf(int code, std::span<const ListKeyCode> codes);

// The height of a list's view and of one row, in the same units.
struct ListMetrics {
    int viewHeight = 0;
    int rowHeight = 1;
};

// What a list box holds and shows when a key reaches it.
struct ListState {
    int count = 0;
    Index selected = kNoSelection;
    // The row with the focus frame, where a move starts when none is selected.
    int focusRow = 0;
    // The height of its view and of one row, in the same units.
    int viewHeight = 0;
    int rowHeight = 1;
};

// What a key does to a list box.
struct ListKeyAction {
    // The row the selection moves to, or -1 where it stays.
    int select = -1;
    // Whether the key picks: the list raises Click.
    bool click = false;
    // The row to scroll into view, or -1.
    int show = -1;
};

// The rows a Page key moves: all the view shows but one, and at least one.
[[nodiscard]] int rowsPerPage(int viewHeight, int rowHeight);

// What `key` does to a list in `state`; none when the key is none of the
// list's, so that the platform's own handling may have it. A move picks the
// row it lands on, unless that row is already selected; with nothing
// selected, the first move selects the row with the focus frame. Enter picks
// the selected row again.
[[nodiscard]] std::optional<ListKeyAction> actionOfKey(ListKey key, const ListState& state);

// A page's names for the list's keys, as its key events give them.
struct ListKeyName {
    std::u16string_view name;
    ListKey key = ListKey::Other;
};

[[nodiscard]] ListKey listKeyOf(std::u16string_view name, std::span<const ListKeyName> names);

// The row whose text is exactly the typed character `typed`, case and all (no
// search by prefix), or -1; see typedCharacter().
[[nodiscard]] int rowOfTyped(std::span<const std::u16string> rows, std::u16string_view typed);

} // namespace rt
