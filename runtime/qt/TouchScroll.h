#pragma once

#include "Taps.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QScroller>
#include <functional>

class QAbstractScrollArea;

namespace rt {

// Touch on a scroll area's viewport, reported to the control's core, which
// decides with its Taps what a tap is. While that finger swipes, Qt's
// kinetic scroller follows it, coasts after a flick and stops at either end.
// The touch never reaches the area as a mouse, so a swipe neither picks nor
// selects.
class TouchScroll final : public QObject {
public:
    using Report = std::function<void(PointerPhase, const PointerPress&)>;

    // `stepHeight` gives the pixels of one step of the area's vertical scroll
    // bar: a row, or a line of text. `taps` are those the reports reach.
    TouchScroll(QAbstractScrollArea& area, std::function<int()> stepHeight, const Taps& taps,
        Report report);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The scroller's questions and moves, in pixels of the content.
    bool event(QEvent* event) override;

private:
    void touch(PointerPhase phase, const QPointF& at, bool primary);
    void tell(QScroller::Input input, const QPointF& at);
    [[nodiscard]] int step() const;

    QAbstractScrollArea& area_;
    // Kept apart from the area: the viewport still sends events while the
    // area is being destroyed, when nothing of it may be asked.
    QWidget* viewport_;
    std::function<int()> stepHeight_;
    const Taps& taps_;
    Report report_;
    QScroller* scroller_;
    QElapsedTimer clock_;
    // Whether the scroller has heard of the finger's press.
    bool scrolling_ = false;
};

} // namespace rt
