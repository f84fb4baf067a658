#include "Platform.h"

#include "Bridge.h"
#include "FormWindow.h"

namespace rt::platform {

std::unique_ptr<PlatformForm> makeForm(Session& session, const FormDefinition& definition)
{
    return std::make_unique<web::FormWindow>(session, definition);
}

// The page cannot wait for the user: the message shows in a dialog of the
// page, and the program ends once it is dismissed.
void showErrorMessage(std::u16string_view title, std::u16string_view message)
{
    // The message box's one button, as a native one words it.
    constexpr std::u16string_view kButton = u"OK";
    rt_dom_error(title.data(), static_cast<int>(title.size()), message.data(),
        static_cast<int>(message.size()), kButton.data(), static_cast<int>(kButton.size()));
}

void endEventLoop(int /*status*/) noexcept
{
    rt_dom_end();
}

} // namespace rt::platform
