#include "ThunRTMain.h"

#include "Form.h"
#include "Session.h"
#include "Startup.h"
#include "Windows1251.h"

#include <optional>
#include <string>

namespace rt {

int ThunRTMain(const ProjectDescription& project)
{
    // The page's event loop goes on after this returns, for as long as the
    // page is open: the session and the form live as long.
    static std::optional<Session> session;
    static std::unique_ptr<Form> form;
    session.emplace(windows1251::decode(project.name));
    form = loadStartupForm(*session, project);
    if (!form) {
        return session->endStatus().value_or(kErrorExitStatus);
    }
    form->showForm();
    return 0;
}

} // namespace rt
