#include "ThunRTMain.h"

#include "Form.h"
#include "FormWindow.h"
#include "Session.h"
#include "Startup.h"
#include "Windows1251.h"

#include <commctrl.h>
#include <string>
#include <windows.h>

namespace rt {

namespace {

// No IsDialogMessage: it would close the window on Escape in a multi-line
// edit box and take Enter from the focused control. The form moves the focus
// on Tab itself.
int runMessageLoop(win32::FormWindow& window)
{
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.navigate(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int ThunRTMain(const ProjectDescription& project)
{
    // The visual styles of the common controls, which the manifest asks for.
    INITCOMMONCONTROLSEX controls { sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);

    Session session(windows1251::decode(project.name));
    const std::unique_ptr<Form> form = loadStartupForm(session, project);
    if (!form) {
        return session.endStatus().value_or(kErrorExitStatus);
    }
    form->showForm();
    const int status = runMessageLoop(static_cast<win32::FormWindow&>(form->window()));
    return session.endStatus().value_or(status);
}

} // namespace rt
