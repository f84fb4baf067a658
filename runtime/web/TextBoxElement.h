#pragma once

#include "Element.h"
#include "ExactText.h"
#include "Keys.h"
#include "TextAppend.h"
#include "TextBox.h"
#include "TextHistory.h"

#include <string>

namespace rt {

class Session;

namespace web {

// The text box over a <textarea>. A textarea's value spells every line break
// as LF, so the box keeps its own exact copy of the text beside it. A write
// that only extends the text appends the new tail as an edit of its own.
class TextBoxElement final : public TextBox, public Element {
public:
    TextBoxElement(Session& session, const Element& form, const std::u16string& text);

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& text) override;

    bool textEvent(Event type, std::u16string_view text, int modifiers) override;
    void textLost() override;

private:
    // The selection now, or before the last edit, within `length` characters.
    [[nodiscard]] Selection selection(bool beforeEdit, std::size_t length) const;
    // True when the key is taken: the page does nothing more with it.
    [[nodiscard]] bool key(std::u16string_view name, const Modifiers& modifiers);
    // Shows `text` as a new whole text.
    void wholeWrite(std::u16string text);
    // Takes a step of the history back, or makes it again, in the text area
    // too; the text area's own history also holds the program's appends.
    void step(HistoryCommand command);
    // Where the user's edit of kind `inputType` lies; the whole text where
    // its kind does not tell.
    [[nodiscard]] ExactText::Edit editOf(std::u16string_view inputType) const;
    void followInput(std::u16string_view inputType);
    void paste(std::u16string_view clipboard);

    Session& session_;
    ExactText exact_;
    TextHistory history_;
};

} // namespace web
} // namespace rt
