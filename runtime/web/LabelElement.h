#pragma once

#include "Element.h"
#include "Label.h"

namespace rt::web {

// The label over an element that shows its caption and takes no focus; a
// form's heading is the page's level-one heading.
class LabelElement final : public Label, public Element {
public:
    LabelElement(const Element& form, bool heading)
        : Element(heading ? Tag::Heading : Tag::Label, &form)
    {
    }
};

} // namespace rt::web
