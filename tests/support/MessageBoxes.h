#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <vector>

namespace testing_support {

// What a message box said.
struct Message {
    QString title;
    QString text;

    friend bool operator==(const Message&, const Message&) = default;
};

// Answers the message boxes the program shows while it lives: notes each
// one's title and text, then presses OK, as a user would.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                seen_.push_back({ box->windowTitle(), box->text() });
                if (onMessage) {
                    onMessage();
                }
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(10);
    }

    [[nodiscard]] const std::vector<Message>& seen() const { return seen_; }

    // Runs while a message box stands, before it is answered.
    std::function<void()> onMessage;

private:
    QTimer timer_;
    std::vector<Message> seen_;
};

} // namespace testing_support
