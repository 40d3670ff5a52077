#pragma once

#include <QIcon>
#include <QString>

namespace z3 {

// The title by which the main window is known to the user and to a second
// copy, and the application's icon (from the compiled-in resources).
inline const QString kMainWindowTitle = QStringLiteral("Zerrat Z3游戏鼠标");
inline const QString kInstanceLockName = QStringLiteral("CORV_VantorApp");

QIcon applicationIcon();

} // namespace z3
