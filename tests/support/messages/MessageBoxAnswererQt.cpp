#include "MessageBoxAnswerer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace testing_support {

class MessageBoxAnswerer::Watch {
public:
    explicit Watch(MessageBoxAnswerer& answerer)
    {
        QObject::connect(&timer_, &QTimer::timeout, [&answerer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                answerer.noted(
                    { box->windowTitle().toStdU16String(), box->text().toStdU16String() });
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
};

MessageBoxAnswerer::MessageBoxAnswerer()
    : watch_(std::make_unique<Watch>(*this))
{
}

MessageBoxAnswerer::~MessageBoxAnswerer() = default;

} // namespace testing_support
