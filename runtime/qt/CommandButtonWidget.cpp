#include "CommandButtonWidget.h"

#include "Session.h"

#include <QKeyEvent>
#include <QPainter>

namespace rt {

CommandButtonWidget::CommandButtonWidget(Session& session, QWidget* parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, [this, &session] { session.raiseEvent(click_); });
}

void CommandButtonWidget::setBackColour(const QColor& colour)
{
    backColour_ = colour;
    update();
}

void CommandButtonWidget::keyPressEvent(QKeyEvent* event)
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

void CommandButtonWidget::paintEvent(QPaintEvent* event)
{
    if (!backColour_) {
        QPushButton::paintEvent(event);
        return;
    }
    // Styles tint or shade a button's palette colour; a coloured button keeps
    // its exact colour, with a thin raised or sunken edge.
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, *backColour_);

    const bool sunken = isDown();
    const QColor light = sunken ? QColor(Qt::black) : QColor(Qt::white);
    const QColor dark = sunken ? QColor(Qt::white) : QColor(Qt::black);
    painter.setPen(light);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());

    const int shift = sunken ? 1 : 0;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(face.translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        // Black dots show on any face colour.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
}

} // namespace rt
