#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// What a message box said.
struct Message {
    std::u16string title;
    std::u16string text;

    friend bool operator==(const Message&, const Message&) = default;
};

// Answers the message boxes the program shows while it lives: notes each
// one's title and text, then presses OK, as a user would. It looks for them
// on a timer of the thread's event loop, which a message box runs too.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer(MessageBoxAnswerer&&) = delete;
    MessageBoxAnswerer& operator=(MessageBoxAnswerer&&) = delete;
    ~MessageBoxAnswerer();

    [[nodiscard]] const std::vector<Message>& seen() const { return seen_; }

    // Runs while a message box stands, before it is answered.
    std::function<void()> onMessage;

private:
    // The platform's timer and its look at the windows.
    class Watch;

    void noted(Message message)
    {
        seen_.push_back(std::move(message));
        if (onMessage) {
            onMessage();
        }
    }

    std::vector<Message> seen_;
    std::unique_ptr<Watch> watch_;
};

} // namespace testing_support
