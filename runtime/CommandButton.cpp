#include "CommandButton.h"

#include "EventDispatch.h"

#include <QKeyEvent>

namespace rt {

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, [this] { raiseEvent(click_); });
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    // A focused button takes Enter as well as Space, as in a native window.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace rt
