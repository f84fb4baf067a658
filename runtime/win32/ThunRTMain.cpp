#include "ThunRTMain.h"

#include "Form.h"
#include "FormWindow.h"
#include "Session.h"
#include "Startup.h"

#include <commctrl.h>
#include <string>
#include <windows.h>

namespace rt {

namespace {

std::u16string widened(std::string_view utf8)
{
    const int length
        = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

// No IsDialogMessage: it would close the window on Escape in a multi-line
// edit box and take Enter from the focused control. The form moves the focus
// on Tab itself.
int runMessageLoop(FormWindow& window)
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

    Session session(widened(project.name));
    const std::unique_ptr<Form> form = loadStartupForm(session, project);
    if (!form) {
        return session.endStatus().value_or(kErrorExitStatus);
    }
    form->showForm();
    const int status = runMessageLoop(form->window());
    return session.endStatus().value_or(status);
}

} // namespace rt
