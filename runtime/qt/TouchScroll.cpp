#include "TouchScroll.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QTouchEvent>
#include <cmath>

namespace rt {

namespace {

constexpr int kFrameMilliseconds = 16;
// Share of the speed a coasting list keeps from one frame to the next.
constexpr double kFriction = 0.95;
// Below this many pixels a millisecond a list stands still.
constexpr double kRestingSpeed = 0.02;
// A finger that rested this long before it lifted flicks nothing.
constexpr qint64 kStillMilliseconds = 80;
// How much of the newest move's speed a flick takes over the ones before.
constexpr double kNewestWeight = 0.6;

} // namespace

TouchScroll::TouchScroll(
    QAbstractScrollArea& area, std::function<int()> stepHeight, std::function<void(QPoint)> tap)
    : QObject(&area)
    , area_(area)
    , viewport_(area.viewport())
    , stepHeight_(std::move(stepHeight))
    , tap_(std::move(tap))
{
    viewport_->setAttribute(Qt::WA_AcceptTouchEvents);
    viewport_->installEventFilter(this);
    coastTimer_.setInterval(kFrameMilliseconds);
    connect(&coastTimer_, &QTimer::timeout, this, [this] { coast(); });
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
        event->accept();
        return true;
    default:
        return false;
    }
}

void TouchScroll::begin(const QPointF& at)
{
    stoppedCoasting_ = coastTimer_.isActive();
    stopCoasting();
    pressedAt_ = at;
    lastAt_ = at;
    velocity_ = 0;
    pending_ = 0;
    swiping_ = false;
    sinceLastMove_.start();
}

void TouchScroll::move(const QPointF& at)
{
    if (!swiping_) {
        const QPointF travelled = at - pressedAt_;
        if (travelled.manhattanLength() <= QApplication::startDragDistance()) {
            return;
        }
        swiping_ = true;
        lastAt_ = pressedAt_;
    }
    const double moved = lastAt_.y() - at.y();
    const auto elapsed = static_cast<double>(std::max<qint64>(sinceLastMove_.restart(), 1));
    velocity_ = kNewestWeight * (moved / elapsed) + (1 - kNewestWeight) * velocity_;
    lastAt_ = at;
    scrollBy(moved);
}

void TouchScroll::end(const QPointF& at)
{
    if (!swiping_) {
        if (!stoppedCoasting_) {
            tap_(pressedAt_.toPoint());
        }
        return;
    }
    const bool rested = sinceLastMove_.elapsed() >= kStillMilliseconds;
    move(at);
    swiping_ = false;
    if (!rested && std::abs(velocity_) > kRestingSpeed) {
        coastTimer_.start();
    }
}

void TouchScroll::scrollBy(double pixels)
{
    const int step = std::max(stepHeight_(), 1);
    pending_ += pixels;
    const auto steps = static_cast<int>(pending_ / step);
    pending_ -= steps * step;
    QScrollBar* bar = area_.verticalScrollBar();
    bar->setValue(bar->value() + steps);
}

void TouchScroll::coast()
{
    scrollBy(velocity_ * kFrameMilliseconds);
    velocity_ *= kFriction;
    const QScrollBar* bar = area_.verticalScrollBar();
    const bool atEnd
        = velocity_ > 0 ? bar->value() >= bar->maximum() : bar->value() <= bar->minimum();
    if (atEnd || std::abs(velocity_) < kRestingSpeed) {
        stopCoasting();
    }
}

void TouchScroll::stopCoasting()
{
    coastTimer_.stop();
    velocity_ = 0;
    pending_ = 0;
}

} // namespace rt
