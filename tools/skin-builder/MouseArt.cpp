#include "MouseArt.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace z3::skin_builder {

QPointF mousePoint(const QRectF& box, qreal u, qreal v)
{
    return {box.left() + u * box.width(), box.top() + v * box.height()};
}

namespace {

QPainterPath bodyPath(const QRectF& b)
{
    const auto at = [&](qreal u, qreal v) { return mousePoint(b, u, v); };
    QPainterPath path;
    path.moveTo(at(0.5, 0.0));
    path.cubicTo(at(0.80, 0.0), at(0.95, 0.10), at(0.97, 0.32));
    path.cubicTo(at(1.0, 0.55), at(1.0, 0.78), at(0.86, 0.92));
    path.cubicTo(at(0.74, 1.0), at(0.26, 1.0), at(0.14, 0.92));
    path.cubicTo(at(0.0, 0.78), at(0.0, 0.55), at(0.03, 0.32));
    path.cubicTo(at(0.05, 0.10), at(0.20, 0.0), at(0.5, 0.0));
    path.closeSubpath();
    return path;
}

QPainterPath sideButton(const QRectF& b, qreal v0, qreal v1)
{
    QPainterPath path;
    const QPointF top = mousePoint(b, 0.0, v0);
    const QPointF bottom = mousePoint(b, 0.0, v1);
    path.addRoundedRect(QRectF(top.x() - 5, top.y(), 12, bottom.y() - top.y()), 4, 4);
    return path;
}

} // namespace

void paintMouse(QPainter& p, const QRectF& box, const QColor& light, bool halo)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const bool lit = light.isValid();
    const auto at = [&](qreal u, qreal v) { return mousePoint(box, u, v); };

    if (halo && lit) {
        QRadialGradient glow(box.center() + QPointF(0, box.height() * 0.08), box.height() * 0.75);
        QColor inner = light;
        inner.setAlpha(110);
        QColor outer = light;
        outer.setAlpha(0);
        glow.setColorAt(0, inner);
        glow.setColorAt(0.55, QColor(light.red(), light.green(), light.blue(), 40));
        glow.setColorAt(1, outer);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(
            box.center() + QPointF(0, box.height() * 0.08), box.height() * 0.75, box.height() * 0.7);
    }

    // Drop shadow, then the body with a soft top light.
    const QPainterPath body = bodyPath(box);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(body.translated(0, box.height() * 0.025));
    QLinearGradient shell(box.topLeft(), box.bottomRight());
    shell.setColorAt(0, QColor(0x3A, 0x40, 0x4B));
    shell.setColorAt(0.45, QColor(0x22, 0x26, 0x2E));
    shell.setColorAt(1, QColor(0x12, 0x14, 0x19));
    p.setBrush(shell);
    p.setPen(QPen(QColor(0x4A, 0x52, 0x60), 1.2));
    p.drawPath(body);

    // Side LED strips follow the body's flanks.
    const QColor strip = lit ? light : QColor(0x2A, 0x2F, 0x38);
    for (const qreal side : {0.0, 1.0}) {
        const qreal u = side == 0.0 ? 0.09 : 0.91;
        QPainterPath path;
        path.moveTo(at(u, 0.50));
        path.cubicTo(at(u + (side == 0.0 ? -0.03 : 0.03), 0.68), at(u + (side == 0.0 ? 0.0 : 0.0), 0.82),
            at(side == 0.0 ? 0.22 : 0.78, 0.92));
        if (lit) {
            QColor soft = light;
            soft.setAlpha(90);
            p.setPen(QPen(soft, box.width() * 0.06, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(path);
        }
        p.setPen(QPen(strip, box.width() * 0.022, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }

    // Button split and the seam between buttons and palm rest.
    p.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 1.6));
    p.drawLine(at(0.5, 0.015), at(0.5, 0.44));
    QPainterPath seam;
    seam.moveTo(at(0.035, 0.40));
    seam.cubicTo(at(0.25, 0.47), at(0.75, 0.47), at(0.965, 0.40));
    p.drawPath(seam);
    // Highlights on the two main buttons.
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.drawLine(at(0.28, 0.05), at(0.12, 0.26));
    p.drawLine(at(0.72, 0.05), at(0.88, 0.26));

    // Wheel with its grip lines, and the DPI button behind it.
    const QRectF wheel(at(0.43, 0.05), at(0.57, 0.25));
    p.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 1.2));
    QLinearGradient rubber(wheel.topLeft(), wheel.topRight());
    rubber.setColorAt(0, QColor(0x16, 0x18, 0x1D));
    rubber.setColorAt(0.5, QColor(0x40, 0x46, 0x52));
    rubber.setColorAt(1, QColor(0x16, 0x18, 0x1D));
    p.setBrush(rubber);
    p.drawRoundedRect(wheel, wheel.width() * 0.45, wheel.width() * 0.45);
    p.setPen(QPen(QColor(0x0C, 0x0D, 0x10), 1));
    for (int i = 1; i < 7; ++i) {
        const qreal y = wheel.top() + wheel.height() * i / 7.0;
        p.drawLine(QPointF(wheel.left() + 2, y), QPointF(wheel.right() - 2, y));
    }
    if (lit) {
        QColor rim = light;
        rim.setAlpha(160);
        p.setPen(QPen(rim, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(wheel.adjusted(-1.5, -1.5, 1.5, 1.5), wheel.width() * 0.5, wheel.width() * 0.5);
    }
    const QRectF dpi(at(0.45, 0.32), at(0.55, 0.41));
    p.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 1));
    p.setBrush(QColor(0x2C, 0x31, 0x3A));
    p.drawRoundedRect(dpi, 3, 3);

    // Side buttons on the left flank.
    for (const auto& [v0, v1] : {std::pair{0.44, 0.56}, std::pair{0.61, 0.72}}) {
        QLinearGradient face(at(0, v0), at(0, v1));
        face.setColorAt(0, QColor(0x3C, 0x43, 0x4F));
        face.setColorAt(1, QColor(0x1E, 0x22, 0x29));
        p.setBrush(face);
        p.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 1));
        p.drawPath(sideButton(box, v0, v1));
    }

    // The logo: a three-stroke claw on the palm rest.
    const QColor logo = lit ? light : QColor(0x34, 0x3A, 0x45);
    for (int i = -1; i <= 1; ++i) {
        QPainterPath claw;
        claw.moveTo(at(0.5 + i * 0.08 - 0.03, 0.62));
        claw.lineTo(at(0.5 + i * 0.08 + 0.03, 0.62));
        claw.lineTo(at(0.5 + i * 0.08 - 0.01 + i * 0.02, 0.80));
        claw.closeSubpath();
        if (lit) {
            QColor soft = light;
            soft.setAlpha(80);
            p.setPen(QPen(soft, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(claw);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(logo);
        p.drawPath(claw);
    }
    p.restore();
}

} // namespace z3::skin_builder
