#pragma once

// What the runtime's shared code asks of the platform; each platform's folder
// defines these.

#include <memory>
#include <string_view>

namespace rt {

class PlatformForm;
class Session;
struct FormDefinition;

} // namespace rt

namespace rt::platform {

// The platform's window of a form, with every control of `definition` made.
[[nodiscard]] std::unique_ptr<PlatformForm> makeForm(
    Session& session, const FormDefinition& definition);

// Shows a run-time error's message and returns once the user has dismissed it.
void showErrorMessage(std::u16string_view title, std::u16string_view message);

// Ends the running event loop with `status`; nothing when none runs.
void endEventLoop(int status) noexcept;

} // namespace rt::platform
