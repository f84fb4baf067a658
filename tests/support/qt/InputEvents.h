#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace testing_support {

// Types `text` into `widget` one character at a time, as a keyboard would:
// each key event carries the character (a surrogate pair stays together),
// which QTest's own helpers allow only for ASCII.
inline void typeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, length);
        const auto key = static_cast<Qt::Key>(character.toUpper().front().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, character, Qt::NoModifier);
        i += length - 1;
    }
}

// A double-click as Qt delivers it to a widget: a press and a release, then
// a double-click event in place of the second press, and its release.
inline void doubleClick(QWidget* widget, QPoint position)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
}

// One touch screen for the whole run: Qt keeps the devices it is told of.
inline QPointingDevice* touchScreen()
{
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

// A finger's tap at `at` on `widget`.
inline void tap(QWidget* widget, QPoint at)
{
    QTest::touchEvent(widget, touchScreen()).press(0, at);
    QTest::touchEvent(widget, touchScreen()).release(0, at);
}

// Drags one finger from `from` to `to` across `widget` in `steps` moves,
// `pause` milliseconds apart; then rests `rest` milliseconds and lifts it.
inline void swipe(QWidget* widget, QPoint from, QPoint to, int steps, int pause, int rest)
{
    QTest::touchEvent(widget, touchScreen()).press(0, from);
    for (int step = 1; step <= steps; ++step) {
        QTest::qWait(pause);
        QTest::touchEvent(widget, touchScreen()).move(0, from + (to - from) * step / steps);
    }
    QTest::qWait(rest);
    QTest::touchEvent(widget, touchScreen()).release(0, to);
}

} // namespace testing_support
