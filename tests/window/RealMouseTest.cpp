// Mouse input from a real X server, which the offscreen platform cannot give:
// xdotool clicks the window the way a pointer would, and Qt's own
// double-click detection applies.

#include "ZorbikaFixture.h"

#include <QElapsedTimer>
#include <QProcess>

namespace zorbika::testing {
namespace {

class RealMouse : public ZorbikaTest {
protected:
    // Clicks `times` times in quick succession at `point` of `widget`.
    void click(QWidget& widget, QPoint point, int times)
    {
        const QPoint inWindow = widget.mapTo(&form, point);
        QProcess xdotool;
        xdotool.start("xdotool",
            { "mousemove", "--window", QString::number(form.winId()), QString::number(inWindow.x()),
                QString::number(inWindow.y()), "click", "--repeat", QString::number(times),
                "--delay", "60", "1" });
        ASSERT_TRUE(xdotool.waitForFinished(10000));
        ASSERT_EQ(xdotool.exitCode(), 0) << xdotool.readAllStandardError().toStdString();
        // Let the server's events arrive.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 500) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }

    QPoint centreOfRow(int row) { return list().visualItemRect(list().item(row)).center(); }
};

TEST_F(RealMouse, DoubleClickOnARowPicksItTwice)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    click(*list().viewport(), centreOfRow(1), 2);
    EXPECT_EQ(composition().Text(), u"11");
    click(*list().viewport(), centreOfRow(2), 1);
    click(button(0), QPoint(10, 10), 1);
    EXPECT_EQ(composition().Text(), u"112 ");
}

} // namespace
} // namespace zorbika::testing
