// Mouse input from a real X server, which the offscreen platform cannot give:
// xdotool clicks the window the way a pointer would, and Qt's own
// double-click detection applies.

#include "ZorbikaFixture.h"

#include <QProcess>
#include <QScreen>

namespace zorbika::testing {
namespace {

class RealMouse : public ZorbikaTest {
protected:
    // Clicks `times` times in quick succession at `point` of `widget`.
    void click(QWidget& widget, QPoint point, int times)
    {
        const QPoint inWindow = widget.mapTo(&window(), point);
        QProcess xdotool;
        xdotool.start("xdotool",
            { "mousemove", "--window", QString::number(window().winId()),
                QString::number(inWindow.x()), QString::number(inWindow.y()), "click", "--repeat",
                QString::number(times), "--delay", "60", "1" });
        ASSERT_TRUE(xdotool.waitForFinished(10000));
        ASSERT_EQ(xdotool.exitCode(), 0) << xdotool.readAllStandardError().toStdString();
    }

    // Waits for the server's events to be handled, however slow the machine,
    // then a little longer in case more picks arrive than should.
    void settle(const std::u16string& expected)
    {
        (void)QTest::qWaitFor([&] { return composition().Text() == expected; }, 5000);
        QTest::qWait(200);
    }

    QPoint centreOfRow(int row) { return list().visualItemRect(list().item(row)).center(); }
};

TEST_F(RealMouse, DoubleClickOnARowPicksItTwice)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    click(*list().viewport(), centreOfRow(1), 2);
    settle(u"11");
    EXPECT_EQ(composition().Text(), u"11");
    click(*list().viewport(), centreOfRow(2), 1);
    settle(u"112");
    click(button(0), QPoint(10, 10), 1);
    settle(u"112 ");
    EXPECT_EQ(composition().Text(), u"112 ");
}

TEST_F(RealMouse, TheServerShowsTheWindowAsItRenders)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    QTest::qWait(200);
    const QImage onScreen = window()
                                .screen()
                                ->grabWindow(window().winId())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
    const QImage rendered = window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(onScreen.size(), QSize(461, 345));
    ASSERT_EQ(rendered.size(), onScreen.size());
    // The composition box is left out: its caret blinks.
    const QRect blinking = composition().geometry();
    int differing = 0;
    for (int y = 0; y < rendered.height(); ++y) {
        for (int x = 0; x < rendered.width(); ++x) {
            if (!blinking.contains(x, y) && onScreen.pixel(x, y) != rendered.pixel(x, y)) {
                ++differing;
            }
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(onScreen.pixelColor(2, 2), QColor(192, 192, 255));
    EXPECT_EQ(onScreen.pixelColor(325, 140), QColor(255, 0, 0));
}

} // namespace
} // namespace zorbika::testing
