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
    QAbstractScrollArea& area, std::function<int()> stepHeight, const Taps& taps, Report report)
    : QObject(&area)
    , area_(area)
    , viewport_(area.viewport())
    , stepHeight_(std::move(stepHeight))
    , taps_(taps)
    , report_(std::move(report))
    , scroller_(QScroller::scroller(this))
{
    // The core tells a swipe from a tap, before the scroller hears of the
    // move; the content stops at its ends.
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
        const QPointF at = touch->points().front().position();
        if (touch->points().size() != 1) {
            // A second finger.
            this->touch(PointerPhase::Down, touch->points().back().position(), false);
        } else if (event->type() == QEvent::TouchBegin) {
            this->touch(PointerPhase::Down, at, true);
        } else {
            this->touch(
                event->type() == QEvent::TouchUpdate ? PointerPhase::Move : PointerPhase::Up, at,
                true);
        }
        // Accepted, so that Qt makes no mouse events of it.
        event->accept();
        return true;
    }
    case QEvent::TouchCancel:
        this->touch(PointerPhase::Cancel, {}, true);
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

void TouchScroll::touch(PointerPhase phase, const QPointF& at, bool primary)
{
    const QPoint point = at.toPoint();
    const PointerPress press { .kind = PointerKind::Finger,
        .pointer = primary ? 0 : 1,
        .primary = primary,
        .x = point.x(),
        .y = point.y(),
        .coasting = phase == PointerPhase::Down && scroller_->state() == QScroller::Scrolling };
    const bool wasSwiping = taps_.swiping();
    report_(phase, press);
    if (!primary || phase == PointerPhase::Cancel) {
        return;
    }
    if (phase == PointerPhase::Down) {
        tell(QScroller::InputPress, at);
        scrolling_ = true;
        return;
    }
    if (!scrolling_) {
        return;
    }
    if (phase == PointerPhase::Move && taps_.swiping()) {
        tell(QScroller::InputMove, at);
    } else if (phase == PointerPhase::Up) {
        // A tap lifts where it went down, so that the content stays.
        tell(QScroller::InputRelease, wasSwiping ? at : QPointF(taps_.downX(), taps_.downY()));
        scrolling_ = false;
    }
}

} // namespace rt
