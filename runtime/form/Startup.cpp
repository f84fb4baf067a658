#include "Startup.h"

#include "Form.h"
#include "Session.h"

namespace rt {

std::unique_ptr<Form> loadStartupForm(Session& session, const ProjectDescription& project)
{
    std::unique_ptr<Form> form;
    session.raiseEvent([&] { form = project.createStartupForm(session); });
    if (form) {
        form->load();
    }
    if (session.endStatus()) {
        return nullptr;
    }
    return form;
}

} // namespace rt
