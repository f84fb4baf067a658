// The parts of a form that depend on the platform: its window and controls.
#include "Form.h"

#include "FormWindow.h"

namespace rt {

Form::Form(Session& session, const FormDefinition& definition)
    : session_(session)
    , definition_(definition)
    , window_(std::make_unique<FormWindow>(session, definition))
{
    entries_.reserve(definition.controls.size());
    for (std::size_t i = 0; i < definition.controls.size(); ++i) {
        entries_.push_back({ &definition.controls[i], &window_->control(i) });
    }
}

Form::~Form() = default;

void Form::showForm()
{
    window_->showForm();
}

} // namespace rt
