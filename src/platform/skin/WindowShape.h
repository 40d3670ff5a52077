#pragma once

#include "core/skin/SkinLayouts.h"

#include <QRegion>
#include <QSize>
#include <QString>

namespace z3 {

// The main window's shape from its mask picture: the outline to set on the
// window, the repaint area of the macro page (the outline without the macro
// name edit and the two lists) and the mask's size, which is the area the
// window paints.
struct WindowShape {
    QRegion outline;
    QRegion repaintArea;
    QSize maskSize;

    // False when the mask could not be decoded: the window then keeps its
    // rectangle without a region, and there is no mask size.
    bool isShaped() const { return maskSize.isValid(); }

    static WindowShape load(const QString& maskPath, const PageControlRects& controls);
};

} // namespace z3
