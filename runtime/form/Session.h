#pragma once

#include <functional>
#include <optional>
#include <string>

namespace rt {

// The status of a program ended by a run-time error.
inline constexpr int kErrorExitStatus = 1;

// One run of a program, from the start function to the end: it raises the
// events, and it ends the run at the first run-time error. The start function
// makes one; tests make their own.
class Session {
public:
    // `title` heads the run-time error messages: the program's name.
    explicit Session(std::u16string title)
        : title_(std::move(title))
    {
    }

    // Runs an event handler. A run-time error or any other exception it
    // throws stops here, never in the event loop: the user sees the standard
    // message and, once it is dismissed, the event loop ends with
    // kErrorExitStatus. After that no handler runs again. A DefinitionError
    // is a fault of the program itself and ends it at once.
    void raiseEvent(const std::function<void()>& handler) noexcept;

    // The status the program ends with, once an error has ended the run.
    [[nodiscard]] std::optional<int> endStatus() const { return ended_; }

    // Runs before every write of a text box's Text. Tests make a write fail
    // there as the machine would, without exhausting it: std::bad_alloc
    // stands for running out of memory.
    void setBeforeTextWrite(std::function<void()> hook) { beforeTextWrite_ = std::move(hook); }
    void beforeTextWrite() const
    {
        if (beforeTextWrite_) {
            beforeTextWrite_();
        }
    }

private:
    void reportAndEnd(int errorNumber) noexcept;

    std::u16string title_;
    std::optional<int> ended_;
    std::function<void()> beforeTextWrite_;
};

} // namespace rt
