#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace testing_support {

// For tests in a child process: prints every message box the program shows
// (its title and text, then whatever `alsoPrint` adds) to stderr, where the
// death test reads it, and presses OK.
inline void answerMessageBoxes(std::function<void()> alsoPrint = {})
{
    auto* timer = new QTimer(QApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [alsoPrint = std::move(alsoPrint)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            std::fprintf(stderr, "title=%s\ntext=%s\n", qPrintable(box->windowTitle()),
                qPrintable(box->text()));
            if (alsoPrint) {
                alsoPrint();
            }
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer->start(10);
}

} // namespace testing_support
