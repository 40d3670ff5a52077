#include "ui/common/AppIdentity.h"

namespace z3 {

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/zerrat-z3.png"));
}

} // namespace z3
