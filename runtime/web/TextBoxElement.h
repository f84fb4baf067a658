#pragma once

#include "Element.h"
#include "Keys.h"
#include "TextBox.h"
#include "TextBoxCore.h"

#include <string>

namespace rt {

class Session;

namespace web {

// The text box over a <textarea>: it hands the page's edits, keys and the
// menu's Undo and Redo to the text box's core and shows what it says. A
// textarea's value spells every line break as LF; the core keeps the exact
// text beside it.
class TextBoxElement final : public TextBox, public Element, private TextBoxView {
public:
    TextBoxElement(Session& session, const Element& form, const std::u16string& text);

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& text) override;

    bool textEvent(Event type, std::u16string_view text, int modifiers) override;
    void textLost() override;

private:
    [[nodiscard]] Selection selection() const override;
    void showWhole(const std::u16string& display) override;
    void appendTail(const std::u16string& tail, std::size_t oldLength, bool follow) override;
    void replaceRange(const ExactText::DisplayChange& change) override;

    // The selection now, or before the last edit, within `length` characters.
    [[nodiscard]] Selection selection(bool beforeEdit, std::size_t length) const;
    // True when the key is taken: the page does nothing more with it.
    [[nodiscard]] bool key(std::u16string_view name, const Modifiers& modifiers);
    // Where the user's edit of kind `inputType` lies; the whole text where
    // its kind does not tell.
    [[nodiscard]] ExactText::Edit editOf(std::u16string_view inputType) const;
    void followInput(std::u16string_view inputType);
    void paste(std::u16string_view clipboard);

    Session& session_;
    // The text area's own history would hold the program's appends too.
    TextBoxCore core_;
};

} // namespace web
} // namespace rt
