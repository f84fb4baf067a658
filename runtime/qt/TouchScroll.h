#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QScroller>
#include <functional>

class QAbstractScrollArea;

namespace rt {

// Touch on a scroll area's viewport, as a finger means it: a tap (a touch that
// moves no farther than the drag distance) goes to `tap`, exactly once; a
// swipe scrolls the content with the finger. Qt's kinetic scroller follows
// the finger, coasts after a flick and stops at either end; a touch stops a
// coasting area and is no tap. The touch never reaches the area as a mouse,
// so a swipe neither picks nor selects.
class TouchScroll final : public QObject {
public:
    // `stepHeight` gives the pixels of one step of the area's vertical scroll
    // bar: a row, or a line of text.
    TouchScroll(QAbstractScrollArea& area, std::function<int()> stepHeight,
        std::function<void(QPoint)> tap);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The scroller's questions and moves, in pixels of the content.
    bool event(QEvent* event) override;

private:
    void begin(const QPointF& at);
    void move(const QPointF& at);
    void end(const QPointF& at);
    void tell(QScroller::Input input, const QPointF& at);
    [[nodiscard]] int step() const;

    QAbstractScrollArea& area_;
    // Kept apart from the area: the viewport still sends events while the
    // area is being destroyed, when nothing of it may be asked.
    QWidget* viewport_;
    std::function<int()> stepHeight_;
    std::function<void(QPoint)> tap_;
    QScroller* scroller_;
    QElapsedTimer clock_;
    QPointF pressedAt_;
    bool swiping_ = false;
    // A touch that stopped a coasting area is no tap.
    bool stoppedCoasting_ = false;
};

} // namespace rt
