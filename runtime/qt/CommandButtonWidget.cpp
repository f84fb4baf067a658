#include "CommandButtonWidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace rt {

CommandButtonWidget::CommandButtonWidget(Session& session, QWidget* parent)
    : QPushButton(parent)
    , core_(session)
{
    connect(this, &QPushButton::clicked, this, [this] { core_.clicked(); });
}

void CommandButtonWidget::setBackColour(const QColor& colour)
{
    backColour_ = colour;
    update();
}

void CommandButtonWidget::setDpi(int dpi)
{
    if (dpi != dpi_) {
        dpi_ = dpi;
        update();
    }
}

void CommandButtonWidget::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (core_.key(enter ? ButtonKey::Enter : ButtonKey::Other, event->isAutoRepeat())) {
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

    // One pixel at the standard size, and in proportion at any other.
    const int edge = std::max(1, twipsToPixels(kTwipsPerInch / kStandardDpi, dpi_));
    const bool sunken = isDown();
    const QColor light = sunken ? QColor(Qt::black) : QColor(Qt::white);
    const QColor dark = sunken ? QColor(Qt::white) : QColor(Qt::black);
    painter.fillRect(QRect(face.left(), face.top(), face.width(), edge), light);
    painter.fillRect(QRect(face.left(), face.top(), edge, face.height()), light);
    painter.fillRect(QRect(face.left(), face.bottom() - edge + 1, face.width(), edge), dark);
    painter.fillRect(QRect(face.right() - edge + 1, face.top(), edge, face.height()), dark);

    const int shift = sunken ? edge : 0;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(face.translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        // Black dots show on any face colour. A wider pen straddles its
        // line, so the frame moves in by half of it.
        painter.setPen(QPen(Qt::black, edge, Qt::DotLine));
        const int inset = twipsToPixels(CommandButtonCore::kFocusFrameInset, dpi_) + edge / 2;
        painter.drawRect(face.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

} // namespace rt
