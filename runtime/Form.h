#pragma once

#include "ControlArray.h"
#include "FormDefinition.h"

#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace rt {

// A form built from its definition: its controls with their contents, places
// and tab order. The code behind a form reaches the controls by name. A
// hidden control is made only when code first reaches it: until then there
// is nothing of it to show.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const FormDefinition& definition, QWidget* parent = nullptr);

    // The control array `name`, whose elements are all of type Control.
    template <class Control> [[nodiscard]] ControlArray<Control> array(std::string_view name)
    {
        ControlArray<Control> result;
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const ControlDefinition& definition = *controls_[i].definition;
            if (definition.name == name && definition.element) {
                result.add(*definition.element, [this, i]() -> Control& { return as<Control>(i); });
            }
        }
        return result;
    }

    // The single control `name`.
    template <class Control> [[nodiscard]] Control& control(std::string_view name)
    {
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (controls_[i].definition->name == name && !controls_[i].definition->element) {
                return as<Control>(i);
            }
        }
        throw std::logic_error("no such control in the form definition");
    }

    void setLoadHandler(std::function<void()> handler) { load_ = std::move(handler); }
    // Raises Load; the start function does it once, before the form is shown.
    void load();
    // Shows the form with the focus on the first control of the tab order.
    void showForm();

private:
    struct Created {
        const ControlDefinition* definition;
        // Null for a hidden control that nothing has reached yet.
        QWidget* widget;
    };

    template <class Control> Control& as(std::size_t which)
    {
        auto* control = qobject_cast<Control*>(widgetOf(which));
        if (control == nullptr) {
            throw std::logic_error("control of another kind in the form definition");
        }
        return *control;
    }

    QWidget* widgetOf(std::size_t which);
    QWidget* create(const ControlDefinition& definition);
    // Stacks the controls made so far in definition order, the last on top.
    void restack();

    // In definition order.
    std::vector<Created> controls_;
    std::function<void()> load_;
    bool startCentred_ = false;
};

} // namespace rt
