#include "Platform.h"

#include "FormWindow.h"
#include "WideText.h"

#include <string>
#include <windows.h>

namespace rt::platform {

std::unique_ptr<PlatformForm> makeForm(Session& session, const FormDefinition& definition)
{
    return std::make_unique<win32::FormWindow>(session, definition);
}

void showErrorMessage(std::u16string_view title, std::u16string_view message)
{
    const std::u16string caption(title);
    const std::u16string text(message);
    MessageBoxW(GetActiveWindow(), win32::wide(text), win32::wide(caption),
        MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void endEventLoop(int status) noexcept
{
    PostQuitMessage(status);
}

} // namespace rt::platform
