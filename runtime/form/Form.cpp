#include "Form.h"

#include "Platform.h"
#include "Session.h"

#include <string>

namespace rt {

namespace {

std::string quoted(std::string_view name)
{
    // Appended piece by piece: GCC 12 warns of a false overlap in operator+.
    std::string text = "'";
    text.append(name).append("'");
    return text;
}

} // namespace

Form::Form(Session& session, const FormDefinition& definition)
    : session_(session)
    , definition_(definition)
    , window_(platform::makeForm(session, definition))
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

void Form::load()
{
    session_.raiseEvent(load_);
}

Index Form::arrayElement(const Entry& entry, ControlKind kind) const
{
    const ControlDefinition& control = *entry.definition;
    if (!control.element) {
        throw DefinitionError(quoted(control.name) + " of form " + quoted(definition_.name)
            + " is a single control, not a control array");
    }
    if (control.kind != kind) {
        throw DefinitionError("element " + std::to_string(*control.element) + " of "
            + quoted(control.name) + " of form " + quoted(definition_.name)
            + " is a control of another kind");
    }
    return *control.element;
}

Control& Form::single(const Entry& entry, ControlKind kind) const
{
    const ControlDefinition& control = *entry.definition;
    if (control.element) {
        throw DefinitionError(quoted(control.name) + " of form " + quoted(definition_.name)
            + " is a control array, not a single control");
    }
    if (control.kind != kind) {
        throw DefinitionError(quoted(control.name) + " of form " + quoted(definition_.name)
            + " is a control of another kind");
    }
    return *entry.control;
}

DefinitionError Form::missing(std::string_view name) const
{
    return DefinitionError { "form " + quoted(definition_.name) + " has no control named "
        + quoted(name) };
}

} // namespace rt
