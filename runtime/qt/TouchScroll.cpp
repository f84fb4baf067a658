#include "TouchScroll.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QScrollEvent>
#include <QScrollPrepareEvent>
#include <QScrollerProperties>
#include <QTouchEvent>
#include <algorithm>

namespace rt {

TouchScroll::TouchScroll(
    QAbstractScrollArea& area, std::function<int()> stepHeight, std::function<void(QPoint)> tap)
    : QObject(&area)
    , area_(area)
    , viewport_(area.viewport())
    , stepHeight_(std::move(stepHeight))
    , tap_(std::move(tap))
    , scroller_(QScroller::scroller(this))
{
    // This class tells a swipe from a tap itself, before the scroller hears
    // of the move; the content stops at its ends.
    QScrollerProperties properties = scroller_->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::DragStartDistance, 0.0);
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
        QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
        QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    scroller_->setScrollerProperties(properties);
    clock_.start();
    viewport_->setAttribute(Qt::WA_AcceptTouchEvents);
    viewport_->installEventFilter(this);
}

int TouchScroll::step() const
{
    return std::max(stepHeight_(), 1);
}

bool TouchScroll::event(QEvent* event)
{
    // The scroll bar counts in steps; the scroller in pixels.
    QScrollBar* bar = area_.verticalScrollBar();
    switch (event->type()) {
    case QEvent::ScrollPrepare: {
        auto* prepare = static_cast<QScrollPrepareEvent*>(event);
        prepare->setViewportSize(viewport_->size());
        prepare->setContentPosRange(QRectF(0, 0, 0, (bar->maximum() - bar->minimum()) * step()));
        prepare->setContentPos(QPointF(0, (bar->value() - bar->minimum()) * step()));
        prepare->accept();
        return true;
    }
    case QEvent::Scroll: {
        const auto* scroll = static_cast<QScrollEvent*>(event);
        bar->setValue(bar->minimum() + qRound(scroll->contentPos().y() / step()));
        return true;
    }
    default:
        return QObject::event(event);
    }
}

bool TouchScroll::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != viewport_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        // One finger scrolls or taps; a second one changes nothing.
        if (touch->points().size() != 1) {
            event->accept();
            return true;
        }
        const QPointF at = touch->points().front().position();
        if (event->type() == QEvent::TouchBegin) {
            begin(at);
        } else if (event->type() == QEvent::TouchUpdate) {
            move(at);
        } else {
            end(at);
        }
        // Accepted, so that Qt makes no mouse events of it.
        event->accept();
        return true;
    }
    case QEvent::TouchCancel:
        swiping_ = false;
        scroller_->stop();
        event->accept();
        return true;
    default:
        return false;
    }
}

void TouchScroll::tell(QScroller::Input input, const QPointF& at)
{
    scroller_->handleInput(input, at, clock_.elapsed());
}

void TouchScroll::begin(const QPointF& at)
{
    stoppedCoasting_ = scroller_->state() == QScroller::Scrolling;
    pressedAt_ = at;
    swiping_ = false;
    tell(QScroller::InputPress, at);
}

void TouchScroll::move(const QPointF& at)
{
    if (!swiping_) {
        const QPointF travelled = at - pressedAt_;
        if (travelled.manhattanLength() <= QApplication::startDragDistance()) {
            return;
        }
        swiping_ = true;
    }
    tell(QScroller::InputMove, at);
}

void TouchScroll::end(const QPointF& at)
{
    if (!swiping_ && !stoppedCoasting_) {
        tap_(pressedAt_.toPoint());
    }
    tell(QScroller::InputRelease, swiping_ ? at : pressedAt_);
    swiping_ = false;
}

} // namespace rt
