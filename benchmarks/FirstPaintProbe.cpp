// Linked into a program under measurement: when its first window has been
// painted, prints the monotonic clock and the peak resident memory, then ends
// the process at once.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                reported_ = true;
                // Once the paint and its flush to the screen are done.
                QTimer::singleShot(0, [] { report(); });
            }
        }
        return false;
    }

private:
    static void report()
    {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf(
            "%lld.%09ld %ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec, usage.ru_maxrss);
        std::fflush(stdout);
        std::_Exit(0);
    }

    bool reported_ = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
