#include "ui/main/StartupWindow.h"

#include "ui/common/AppIdentity.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

namespace z3 {

StartupWindow::StartupWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(kMainWindowTitle);
    setWindowIcon(applicationIcon());
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kMainWindowTitle, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    resize(800, 592);
}

void StartupWindow::restore()
{
    // A window unmapped behind Qt's back (iconified by the window manager,
    // hidden by another tool) still counts as visible to Qt: map it anew.
    if (windowHandle() != nullptr && !windowHandle()->isExposed())
        hide();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

} // namespace z3
