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
// and tab order. The code behind a form reaches the controls by name.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const FormDefinition& definition, QWidget* parent = nullptr);

    // The control array `name`, whose elements are all of type Control.
    template <class Control> [[nodiscard]] ControlArray<Control> array(std::string_view name) const
    {
        ControlArray<Control> result;
        for (const auto& created : controls_) {
            if (created.definition->name == name && created.definition->element) {
                result.add(*created.definition->element, as<Control>(created));
            }
        }
        return result;
    }

    // The single control `name`.
    template <class Control> [[nodiscard]] Control& control(std::string_view name) const
    {
        for (const auto& created : controls_) {
            if (created.definition->name == name && !created.definition->element) {
                return as<Control>(created);
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
        QWidget* widget;
    };

    template <class Control> static Control& as(const Created& created)
    {
        auto* control = qobject_cast<Control*>(created.widget);
        if (control == nullptr) {
            throw std::logic_error("control of another kind in the form definition");
        }
        return *control;
    }

    QWidget* create(const ControlDefinition& definition);

    std::vector<Created> controls_;
    std::function<void()> load_;
    bool startCentred_ = false;
};

} // namespace rt
