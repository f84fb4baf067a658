#pragma once

#include "Control.h"
#include "ControlArray.h"
#include "ControlName.h"
#include "DefinitionError.h"
#include "FormDefinition.h"
#include "PlatformForm.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace rt {

class Session;

// A form built from its definition: its window and every control with its
// contents, place and tab order, made at once and kept for the form's life.
// The code behind a form resolves its controls by their typed names.
class Form {
public:
    Form(Session& session, const FormDefinition& definition);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    Form(Form&&) = delete;
    Form& operator=(Form&&) = delete;
    virtual ~Form();

    // The control array `name`; DefinitionError when the definition has no
    // such array or an element of another kind.
    template <class Kind> [[nodiscard]] ControlArray<Kind> array(ArrayName<Kind> name) const
    {
        ControlArray<Kind> result;
        for (const Entry& entry : entries_) {
            if (entry.definition->name == name.name) {
                result.add(arrayElement(entry, Kind::kKind), static_cast<Kind&>(*entry.control));
            }
        }
        if (result.empty()) {
            throw missing(name.name);
        }
        return result;
    }

    // The single control `name`; DefinitionError as above.
    template <class Kind> [[nodiscard]] Kind& control(ControlName<Kind> name) const
    {
        for (const Entry& entry : entries_) {
            if (entry.definition->name == name.name) {
                return static_cast<Kind&>(single(entry, Kind::kKind));
            }
        }
        throw missing(name.name);
    }

    void setLoadHandler(std::function<void()> handler) { load_ = std::move(handler); }
    // Raises Load; the start function does it once, before the form is shown.
    void load();
    // Shows the form with the focus on the first control of the tab order.
    void showForm();

    // The session that raises its events; a whole run's tests make its writes fail.
    [[nodiscard]] Session& session() const { return session_; }
    // The platform's window, for the platform's own code and its tests.
    [[nodiscard]] PlatformForm& window() const { return *window_; }

private:
    struct Entry {
        const ControlDefinition* definition;
        Control* control;
    };

    [[nodiscard]] Index arrayElement(const Entry& entry, ControlKind kind) const;
    [[nodiscard]] Control& single(const Entry& entry, ControlKind kind) const;
    [[nodiscard]] DefinitionError missing(std::string_view name) const;

    Session& session_;
    const FormDefinition& definition_;
    std::unique_ptr<PlatformForm> window_;
    // In definition order.
    std::vector<Entry> entries_;
    std::function<void()> load_;
};

} // namespace rt
