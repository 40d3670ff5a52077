#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace z3::skin_builder {

// The Z3 seen from above, front up, drawn into `box`. `light` is the
// colour of its LED strips and logo; an invalid colour draws them unlit.
// `halo` adds the light's glow around the body (the lighting preview).
void paintMouse(QPainter& p, const QRectF& box, const QColor& light, bool halo = false);

// A point of the illustration in unit coordinates (0..1 across `box`).
QPointF mousePoint(const QRectF& box, qreal u, qreal v);

} // namespace z3::skin_builder
