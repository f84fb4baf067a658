#pragma once

#include "Control.h"
#include "FormDefinition.h"

#include <string>

namespace rt {

// A multi-line text box. Its Text is exact: reading it gives back every code
// unit last written, CR LF pairs and all, plus what the user typed since; a
// typed Enter adds CR LF. Changing the text starts no event.
class TextBox : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::TextBox;

    [[nodiscard]] virtual std::u16string Text() const = 0;
    virtual void SetText(const std::u16string& text) = 0;
};

} // namespace rt
