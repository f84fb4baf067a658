#include "Session.h"

#include "DefinitionError.h"
#include "Platform.h"
#include "RuntimeError.h"

#include <exception>
#include <new>

namespace rt {

void Session::reportAndEnd(int errorNumber) noexcept
{
    ended_ = kErrorExitStatus;
    try {
        platform::showErrorMessage(title_, RuntimeError(errorNumber).message());
    } catch (...) { // NOLINT(bugprone-empty-catch): ending is all that is left to do
    }
    platform::endEventLoop(kErrorExitStatus);
}

void Session::raiseEvent(const std::function<void()>& handler) noexcept
{
    if (ended_ || !handler) {
        return;
    }
    try {
        handler();
    } catch (const DefinitionError&) {
        // A fault of the program, not of the run: it ends here, with its text.
        std::terminate();
    } catch (const RuntimeError& error) {
        reportAndEnd(error.number());
    } catch (const std::bad_alloc&) {
        reportAndEnd(RuntimeError::kOutOfMemory);
    } catch (...) {
        reportAndEnd(RuntimeError::kInternalError);
    }
}

} // namespace rt
