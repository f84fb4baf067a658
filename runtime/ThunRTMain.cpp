#include "ThunRTMain.h"

#include "EventDispatch.h"
#include "Form.h"

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
    QCoreApplication::setApplicationName(QString::fromUtf8(project.name));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(project.version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(project.desktopFileName));

    std::unique_ptr<Form> form;
    raiseEvent([&] { form = project.createStartupForm(); });
    if (form) {
        form->load();
    }
    if (const auto status = endStatus()) {
        return *status;
    }
    if (!form) {
        return kErrorExitStatus;
    }
    form->showForm();
    return QApplication::exec();
}

} // namespace rt
