#include "ThunRTMain.h"

#include "Form.h"
#include "Session.h"
#include "Startup.h"
#include "Windows1251.h"

#include <QApplication>
#include <QString>
#include <optional>
#include <string>

namespace rt {

int ThunRTMain(const ProjectDescription& project)
{
    // Qt gets the program's name and nothing else of the command line.
    std::string programName(project.name);
    int argc = 1;
    char* argv[] = { programName.data(), nullptr };
    std::optional<QApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        application.emplace(argc, argv);
    }
    const QString name = QString::fromStdU16String(windows1251::decode(project.name));
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(project.version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(project.desktopFileName));

    Session session(name.toStdU16String());
    const std::unique_ptr<Form> form = loadStartupForm(session, project);
    if (!form) {
        return session.endStatus().value_or(kErrorExitStatus);
    }
    form->showForm();
    return QApplication::exec();
}

} // namespace rt
