// Program entry: fix the program folder, make sure one copy runs per user,
// then run the main window until it closes.
#include "Application.h"
#include "core/app/AppPaths.h"
#include "platform/app/ExecutablePath.h"
#include "platform/instance/SingleInstance.h"
#include "ui/common/AppIdentity.h"
#include "ui/main/StartupWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    const z3::AppPaths paths(z3::AppPaths::directoryOf(z3::executablePath()));

    // A second copy only asks the first to show itself, silently, and ends
    // before it opens any window or display connection.
    z3::SingleInstance instance(z3::kInstanceLockName);
    if (instance.role() == z3::SingleInstance::Role::Second) {
        instance.askFirstToRestore();
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(z3::kMainWindowTitle);
    QApplication::setWindowIcon(z3::applicationIcon());
    instance.startListening();

    z3::Application application(paths);
    application.loadStartupProfile();

    z3::StartupWindow window;
    QObject::connect(&instance, &z3::SingleInstance::restoreRequested, &window, &z3::StartupWindow::restore);
    window.show();
    return app.exec();
}
