#pragma once

#include "Keys.h"

namespace rt {

// The keys a text box decides itself, whatever the platform calls them; a
// letter stands for the key that carries it on a Latin layout.
enum class TextKey { Enter, Escape, Insert, A, V, Y, Z, Other };

// What a text box does with a key.
enum class TextCommand {
    // Nothing of its own: the toolkit's box has the key.
    None,
    // Nothing at all: the key is kept from the toolkit's box.
    Swallow,
    NewLine,
    SelectAll,
    Paste,
    Undo,
    Redo,
};

// The key of a letter as a key event names it, in either case.
[[nodiscard]] TextKey textKeyOfLetter(char16_t letter);

// What `key` with `modifiers` does in a text box:
// - Enter makes a new line (CR LF) alone, with Shift or with Ctrl, and
//   nothing with Alt or the system key, which are the system's;
// - Escape does nothing: it would close a dialog, and the box keeps the
//   child's text;
// - Ctrl+A selects all, Ctrl+V and Shift+Insert paste;
// - Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo (TextHistory).
[[nodiscard]] TextCommand textCommandOf(TextKey key, const Modifiers& modifiers);

} // namespace rt
