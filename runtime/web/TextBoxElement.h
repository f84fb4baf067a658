#pragma once

#include "Element.h"
#include "ExactText.h"
#include "TextBox.h"

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

    bool event(Event type, int key, int modifiers) override;
    bool textEvent(Event type, std::u16string_view text, int a) override;
    void textLost() override;

private:
    void insert(std::u16string_view display) const;

    Session& session_;
    ExactText exact_;
};

} // namespace web
} // namespace rt
