#pragma once

#include "core/skin/WindowRegion.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <optional>

namespace z3 {

// The pixels of a decoded picture as core reads them. The view points into
// `image`, which must be in Format_RGB32 or Format_ARGB32 and outlive it.
MaskPixels maskPixelsOf(const QImage& image);

// Decodes a mask picture and cuts the window outline from it. Nothing when
// the mask cannot be decoded: the window then keeps its rectangle, without
// a region, and has no mask size to paint.
std::optional<WindowRegion> loadWindowRegion(const QString& maskPath);

// The region in Qt's form, built in one step from the banded rectangles.
QRegion toQRegion(const WindowRegion& region);

} // namespace z3
