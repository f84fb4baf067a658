#pragma once

#include <cstddef>

namespace rt {

// What the user has selected in a text box, in the display's characters;
// start == end is a caret.
struct Selection {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Where a whole write of the program leaves a text box, as a native box
// does with a new text: the caret at the start, nothing selected, and the
// view at the top.
inline constexpr Selection kAfterWholeWrite {};

// Whether the caret follows an append that the program makes to a display of
// `oldLength` characters, to the new end, with the view scrolled there: only a
// caret at the end with nothing selected does. Any other selection, one that
// ends at the end included, stays as it was, and the view with it, so that
// what a child has marked stays marked. No append is the user's to undo.
[[nodiscard]] constexpr bool appendFollows(Selection before, std::size_t oldLength)
{
    return before.start == before.end && before.end == oldLength;
}

} // namespace rt
