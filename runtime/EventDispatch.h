#pragma once

#include <functional>
#include <optional>

namespace rt {

// Runs an event handler. A run-time error or any other exception it throws
// stops here, never in the event loop: the user sees the standard message box
// and, once it is dismissed, the program ends with a non-zero status. After
// that no handler runs again.
void raiseEvent(const std::function<void()>& handler) noexcept;

// The status the program ends with, once an error has ended it.
[[nodiscard]] std::optional<int> endStatus();

// The status of a program ended by a run-time error.
inline constexpr int kErrorExitStatus = 1;

} // namespace rt
