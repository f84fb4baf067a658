#include "Platform.h"

#include "FormWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QThread>

namespace rt::platform {

namespace {

QString toQString(std::u16string_view text)
{
    return QString(
        reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

} // namespace

std::unique_ptr<PlatformForm> makeForm(Session& session, const FormDefinition& definition)
{
    return std::make_unique<qt::FormWindow>(session, definition);
}

void showErrorMessage(std::u16string_view title, std::u16string_view message)
{
    QMessageBox::critical(QApplication::activeWindow(), toQString(title), toQString(message));
}

void endEventLoop(int status) noexcept
{
    // Qt keeps an exit asked for with no loop running, and the next loop, a
    // message box's among them, would end at once.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(status);
    }
}

} // namespace rt::platform
