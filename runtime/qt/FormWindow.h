#pragma once

#include "Control.h"
#include "FormDefinition.h"

#include <QWidget>
#include <vector>

namespace rt {

class Session;

// A form's window over Qt: a fixed-size top-level widget that makes and owns
// the form's controls.
class FormWindow final : public QWidget {
public:
    FormWindow(Session& session, const FormDefinition& definition);

    // The control of the definition's entry `which`, counted in its order.
    [[nodiscard]] Control& control(std::size_t which) const { return *controls_.at(which); }

    // Shows the window, centred where its definition asks, with the focus on
    // the first control of the tab order.
    void showForm();

private:
    QWidget* create(Session& session, const ControlDefinition& definition, std::size_t which);

    // In definition order; Qt's parenthood owns them.
    std::vector<Control*> controls_;
    bool startCentred_ = false;
};

} // namespace rt
