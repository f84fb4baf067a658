#include "EventDispatch.h"

#include "RuntimeError.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <new>

namespace rt {

namespace {

std::optional<int> ended;

void reportAndEnd(const RuntimeError& error) noexcept
{
    ended = kErrorExitStatus;
    try {
        QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(),
            QString::fromStdU16String(error.message()));
    } catch (...) { // NOLINT(bugprone-empty-catch): ending is all that is left to do
    }
    QCoreApplication::exit(kErrorExitStatus);
}

} // namespace

void raiseEvent(const std::function<void()>& handler) noexcept
{
    if (ended || !handler) {
        return;
    }
    try {
        handler();
    } catch (const RuntimeError& error) {
        reportAndEnd(error);
    } catch (const std::bad_alloc&) {
        reportAndEnd(RuntimeError(RuntimeError::kOutOfMemory));
    } catch (...) {
        reportAndEnd(RuntimeError(RuntimeError::kInternalError));
    }
}

std::optional<int> endStatus()
{
    return ended;
}

} // namespace rt
