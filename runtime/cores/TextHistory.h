#pragma once

#include "Keys.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// One change of a text, in its code units: [from, from + removed.size())
// held `removed` and now holds `inserted`.
struct TextChange {
    std::size_t from = 0;
    std::u16string removed;
    std::u16string inserted;
};

// The change that turned `before` into `after`: the span between what they
// share at their start and at their end.
[[nodiscard]] TextChange changeBetween(std::u16string_view before, std::u16string_view after);

enum class HistoryCommand { Undo, Redo };

// The history command of a key, from the Latin letter it carries in either
// case: Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo. Alt or the system key
// makes it the system's.
[[nodiscard]] std::optional<HistoryCommand> historyCommandOf(
    char16_t letter, const Modifiers& modifiers);

// What Ctrl+Z and redo may take back in a text box: the user's own edits
// since the program last wrote, never a write of the program, so that a
// child who mistypes after a pick gets the picked text back and no more.
// Typing in one run, and deleting in one run, go back as one step, as in
// the toolkits' own boxes.
class TextHistory {
public:
    // The user made `change`; what was undone can no longer be redone.
    void userChanged(TextChange change);
    // The program wrote the text: nothing before it can be taken back.
    void programWrote();

    [[nodiscard]] bool canUndo() const { return !done_.empty(); }
    [[nodiscard]] bool canRedo() const { return !undone_.empty(); }
    // The change that takes the last step back, for the box to make; none
    // when there is none.
    [[nodiscard]] std::optional<TextChange> undo();
    // The change that makes the last step taken back again.
    [[nodiscard]] std::optional<TextChange> redo();

private:
    // Whether `change` continues the last step's run of typing or deleting.
    [[nodiscard]] bool continues(const TextChange& change) const;

    std::vector<TextChange> done_;
    std::vector<TextChange> undone_;
    // Whether the last step is a run of single characters that the next
    // one may continue; after an undo or redo the next edit starts anew.
    bool run_ = false;
};

} // namespace rt
