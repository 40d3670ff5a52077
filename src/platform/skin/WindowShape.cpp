#include "platform/skin/WindowShape.h"

#include "core/skin/RepaintRegion.h"
#include "platform/skin/MaskRegion.h"

namespace z3 {

WindowShape WindowShape::load(const QString& maskPath, const PageControlRects& controls)
{
    const auto outline = loadWindowRegion(maskPath);
    if (!outline)
        return {};
    return {toQRegion(*outline), toQRegion(makeRepaintRegion(*outline, controls)),
        QSize(outline->width(), outline->height())};
}

} // namespace z3
