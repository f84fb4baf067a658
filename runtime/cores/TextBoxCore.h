#pragma once

#include "ExactText.h"
#include "TextAppend.h"
#include "TextBoxKeys.h"
#include "TextHistory.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

// What a text box's core asks of the platform's box: to show, never to
// decide. Positions and texts are the display's, which keeps one character
// for each line break.
class TextBoxView {
public:
    TextBoxView() = default;
    TextBoxView(const TextBoxView&) = delete;
    TextBoxView& operator=(const TextBoxView&) = delete;
    TextBoxView(TextBoxView&&) = delete;
    TextBoxView& operator=(TextBoxView&&) = delete;
    virtual ~TextBoxView() = default;

    // What the user has selected now.
    [[nodiscard]] virtual Selection selection() const = 0;
    // Shows `display` as the whole text, the caret and the view as
    // kAfterWholeWrite says.
    virtual void showWhole(const std::u16string& display) = 0;
    // Appends `tail` at the display's end, `oldLength`. With `follow` the
    // caret goes to the new end and the view with it; otherwise the caret,
    // the selection and the view stay where they were.
    virtual void appendTail(const std::u16string& tail, std::size_t oldLength, bool follow) = 0;
    // Makes `change`, which undo or redo asks for, with the caret after it
    // and in view.
    virtual void replaceRange(const ExactText::DisplayChange& change) = 0;
};

// Every rule of a text box whose display keeps one character for a line
// break, whatever draws it: its exact text (ExactText), a write of the
// program that only extends the text appended as its tail and one that
// changes it shown whole (TextAppend), the user's edits followed, the keys
// it decides itself (TextBoxKeys), and what undo and redo may take back
// (TextHistory): the user's edits since the program last wrote, never the
// program's write.
class TextBoxCore {
public:
    TextBoxCore(TextBoxView& view, DisplayedBreaks display);

    // Text: the exact text, with room to grow.
    [[nodiscard]] std::u16string text() const { return exact_.copy(); }
    [[nodiscard]] const ExactText& exact() const { return exact_; }

    // The text the box is made with, shown whole.
    void load(const std::u16string& text);
    // A write of Text by the program.
    void write(const std::u16string& text);

    // The user's edit as the display reports it (ExactText::followEdit).
    void userEdited(const ExactText::Edit& edit, std::u16string_view now);
    // The user put `inserted`, in the display's spelling, in place of the
    // display's characters [from, from + removed): a paste or a new line.
    void userReplaced(std::size_t from, std::size_t removed, std::u16string_view inserted);

    // Takes the last step back, or makes it again.
    void step(HistoryCommand command);
    [[nodiscard]] bool canUndo() const { return history_.canUndo(); }
    [[nodiscard]] bool canRedo() const { return history_.canRedo(); }

    // What a key does (textCommandOf); an undo or a redo is done here.
    TextCommand key(TextKey key, const Modifiers& modifiers);

private:
    TextBoxView& view_;
    ExactText exact_;
    TextHistory history_;
};

} // namespace rt
