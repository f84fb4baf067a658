#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QTimer>
#include <functional>

class QAbstractScrollArea;
class QTouchEvent;

namespace rt {

// Touch on a scroll area's viewport, as a finger means it: a tap (a touch that
// moves no farther than the drag distance) goes to `tap`, exactly once; a
// swipe scrolls the content with the finger, keeps coasting after a flick
// and stops at either end. The touch never reaches the area as a mouse, so a
// swipe neither picks nor selects.
class TouchScroll final : public QObject {
public:
    // `stepHeight` gives the pixels of one step of the area's vertical scroll
    // bar: a row, or a line of text.
    TouchScroll(QAbstractScrollArea& area, std::function<int()> stepHeight,
        std::function<void(QPoint)> tap);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(const QPointF& at);
    void move(const QPointF& at);
    void end(const QPointF& at);
    // Scrolls the content up by `pixels` (down when negative), in whole steps.
    void scrollBy(double pixels);
    void coast();
    void stopCoasting();

    QAbstractScrollArea& area_;
    // Kept apart from the area: the viewport still sends events while the
    // area is being destroyed, when nothing of it may be asked.
    QWidget* viewport_;
    std::function<int()> stepHeight_;
    std::function<void(QPoint)> tap_;
    QPointF pressedAt_;
    QPointF lastAt_;
    QElapsedTimer sinceLastMove_;
    // Pixels a millisecond, positive while the content moves up.
    double velocity_ = 0;
    // Pixels scrolled that do not yet make a whole step.
    double pending_ = 0;
    bool swiping_ = false;
    // A touch that stopped a coasting list is no tap.
    bool stoppedCoasting_ = false;
    QTimer coastTimer_;
};

} // namespace rt
