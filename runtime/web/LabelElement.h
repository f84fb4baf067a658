#pragma once

#include "Element.h"
#include "Label.h"

namespace rt::web {

// The label over an element that shows its caption and takes no focus.
class LabelElement final : public Label, public Element {
public:
    explicit LabelElement(const Element& form)
        : Element(Tag::Label, &form)
    {
    }
};

} // namespace rt::web
