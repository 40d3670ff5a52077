// Program entry: fix the program folder, make sure one copy runs per user,
// then bring the program up and run its window until it closes.
#include "Application.h"
#include "core/app/AppPaths.h"
#include "platform/app/ExecutablePath.h"
#include "platform/instance/SingleInstance.h"
#include "ui/common/AppIdentity.h"

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
    // The window's close path decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    instance.startListening();

    z3::Application application(paths);
    if (!application.start())
        return 0;
    QObject::connect(
        &instance, &z3::SingleInstance::restoreRequested, &application.window(), &z3::StartupWindow::restore);
    application.window().show();
    return app.exec();
}
