#pragma once

#include "Control.h"
#include "Element.h"
#include "FormDefinition.h"
#include "PlatformForm.h"

#include <memory>
#include <optional>
#include <vector>

namespace rt {

class Session;

namespace web {

// A form's window in the page: a box of the form's size in CSS pixels that
// makes and owns the form's controls and moves the focus between them in tab
// order. A sizable form is drawn scaled to fill the page's viewport, centred
// in it, by the browser's own scaling; otherwise it stands at the top-left
// corner.
class FormWindow final : public Element, public PlatformForm {
public:
    FormWindow(Session& session, const FormDefinition& definition);

    // The control of the definition's entry `which`, counted in its order.
    [[nodiscard]] Control& control(std::size_t which) const override
    {
        return dynamic_cast<Control&>(*children_.at(which));
    }

    // Shows the form with the focus on the first control of the tab order.
    void showForm() override;

    // A resize of the viewport, `a` × `b`; or the context menu over the
    // element numbered `a`, which opens only where the control has one.
    bool event(web::Event type, int a, int b) override;
    bool textEvent(web::Event type, std::u16string_view key, int modifiers) override;

private:
    void create(Session& session, std::size_t which);
    // Scaled and centred to fill a viewport of `width` × `height`.
    void fit(int width, int height) const;
    // The kind of the control over the page's element `element`; none where
    // that is no control.
    [[nodiscard]] std::optional<ControlKind> kindOf(int element) const;
    // The controls that take the focus, in tab order.
    [[nodiscard]] std::vector<const web::Element*> tabStops() const;

    const FormDefinition& definition_;
    // The controls, in definition order; each is a Control too.
    std::vector<std::unique_ptr<web::Element>> children_;
    // What screen readers may tell of a control besides its name.
    std::vector<std::unique_ptr<web::Element>> descriptions_;
    // Positions in children_.
    std::vector<std::size_t> tabOrder_;
};

} // namespace web
} // namespace rt
