#pragma once

#include <exception>
#include <string>

namespace rt {

// A failing control operation. Handlers never catch it: the event dispatch
// reports it and ends the program.
class RuntimeError : public std::exception {
public:
    static constexpr int kOutOfMemory = 7;
    static constexpr int kInternalError = 51;
    static constexpr int kControlArrayElementMissing = 340;
    static constexpr int kInvalidPropertyArrayIndex = 381;

    explicit RuntimeError(int number)
        : number_(number)
    {
    }

    [[nodiscard]] int number() const { return number_; }
    [[nodiscard]] const char* what() const noexcept override { return "run-time error"; }

    // The message the user reads, in Bulgarian, naming the number.
    [[nodiscard]] std::u16string message() const;

private:
    int number_;
};

} // namespace rt
