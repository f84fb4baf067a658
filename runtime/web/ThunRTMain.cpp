#include "ThunRTMain.h"

#include "Form.h"
#include "Session.h"
#include "Startup.h"

#include <optional>
#include <string>

namespace rt {

namespace {

// The project's name is UTF-8.
std::u16string widened(std::string_view utf8)
{
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3FU >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            c = (c << 6U) | (static_cast<unsigned char>(utf8[i + k]) & 0x3FU);
        }
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10U));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FFU));
        } else {
            text += static_cast<char16_t>(c);
        }
        i += length;
    }
    return text;
}

} // namespace

int ThunRTMain(const ProjectDescription& project)
{
    // The page's event loop goes on after this returns, for as long as the
    // page is open: the session and the form live as long.
    static std::optional<Session> session;
    static std::unique_ptr<Form> form;
    session.emplace(widened(project.name));
    form = loadStartupForm(*session, project);
    if (!form) {
        return session->endStatus().value_or(kErrorExitStatus);
    }
    form->showForm();
    return 0;
}

} // namespace rt
