#include "SkinStyle.h"

#include "SkinGeometry.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace z3::skin_builder {

QFont brandFont(int pixelSize, bool italic)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

QFont captionFont(int pixelSize, bool bold)
{
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPainterPath windowOutline()
{
    const qreal w = kWindowWidth;
    const qreal h = kWindowHeight;
    QPainterPath path;
    path.moveTo(30, 0);
    path.lineTo(w, 0);
    path.lineTo(w, h - 30);
    path.lineTo(w - 30, h);
    path.lineTo(470, h);
    path.lineTo(458, h - 8);
    path.lineTo(342, h - 8);
    path.lineTo(330, h);
    path.lineTo(0, h);
    path.lineTo(0, 30);
    path.closeSubpath();
    return path;
}

void paintWindowBackground(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, kWindowHeight);
    body.setColorAt(0, palette::kBackgroundTop);
    body.setColorAt(1, palette::kBackgroundBottom);
    p.fillRect(0, 0, kWindowWidth, kWindowHeight, body);

    // A faint diagonal texture, strongest near the top right.
    p.setClipPath(windowOutline());
    for (int x = -kWindowHeight; x < kWindowWidth; x += 6) {
        const int alpha = std::max(0, 10 - std::abs(x - 500) / 60);
        if (alpha == 0)
            continue;
        p.setPen(QPen(QColor(255, 255, 255, alpha), 1));
        p.drawLine(x, kWindowHeight, x + kWindowHeight, 0);
    }

    // Title bar and bottom bar bands.
    QLinearGradient title(0, 0, 0, 56);
    title.setColorAt(0, QColor(0x1A, 0x1E, 0x26));
    title.setColorAt(1, QColor(0x11, 0x14, 0x19));
    p.fillRect(QRect(0, 0, kWindowWidth, 56), title);
    p.fillRect(QRect(0, 578, kWindowWidth, kWindowHeight - 578), QColor(0x0F, 0x11, 0x16));
    p.setPen(QPen(palette::kCardBorder, 1));
    p.drawLine(0, 56, kWindowWidth, 56);
    p.drawLine(0, 578, kWindowWidth, 578);

    // Red accents along the chamfers and under the title.
    p.setPen(QPen(palette::kAccent, 2));
    p.drawLine(QPointF(1, 31), QPointF(31, 1));
    p.drawLine(QPointF(kWindowWidth - 31, kWindowHeight - 1), QPointF(kWindowWidth - 1, kWindowHeight - 31));
    QLinearGradient glow(0, 0, 300, 0);
    glow.setColorAt(0, palette::kAccent);
    glow.setColorAt(1, QColor(0xE8, 0x1F, 0x37, 0));
    p.fillRect(QRect(30, 55, 300, 2), glow);
    p.fillRect(QRect(342, 630, 116, 2), palette::kAccent);

    // The outline's own edge.
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x33, 0x3A, 0x46), 2));
    p.drawPath(windowOutline());
    p.restore();
}

void paintCard(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, QColor(0x18, 0x1C, 0x24));
    fill.setColorAt(1, palette::kCard);
    p.setBrush(fill);
    p.setPen(QPen(palette::kCardBorder, 1));
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    p.drawLine(rect.topLeft() + QPointF(8, 1.5), rect.topRight() + QPointF(-8, 1.5));
    p.restore();
}

namespace {

struct Surface {
    QColor top;
    QColor bottom;
    QColor border;
    qreal borderWidth = 1;
};

Surface surfaceOf(ButtonKind kind, Look look)
{
    if (kind == ButtonKind::Primary) {
        switch (look) {
        case Look::Normal:
            return {QColor(0xD0, 0x17, 0x2F), QColor(0x92, 0x0C, 0x1F), QColor(0xF0, 0x3A, 0x50)};
        case Look::Over:
            return {QColor(0xF0, 0x2E, 0x47), QColor(0xB4, 0x12, 0x2A), QColor(0xFF, 0x8A, 0x98), 1.5};
        case Look::Down:
            return {QColor(0x3A, 0x05, 0x0D), QColor(0x5C, 0x09, 0x15), QColor(0xFF, 0x45, 0x5A), 2};
        }
    }
    switch (look) {
    case Look::Normal:
        return {QColor(0x20, 0x25, 0x2E), QColor(0x19, 0x1D, 0x24), QColor(0x30, 0x37, 0x43)};
    case Look::Over:
        return {QColor(0x2C, 0x33, 0x3F), QColor(0x22, 0x28, 0x32), QColor(0xC8, 0x2A, 0x3E), 1.5};
    case Look::Down:
        return {QColor(0x2A, 0x0D, 0x13), QColor(0x1E, 0x09, 0x0E), palette::kAccentBright, 2};
    }
    return {};
}

void paintTab(QPainter& p, const QRect& rect, Look look)
{
    if (look == Look::Normal) {
        p.fillRect(rect.adjusted(0, rect.height() - 2, 0, 0), palette::kFaint);
        return;
    }
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, QColor(0x26, 0x2C, 0x37, look == Look::Down ? 255 : 200));
    fill.setColorAt(1, QColor(0x1A, 0x1E, 0x26));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, 4), 5, 5);
    if (look == Look::Down) {
        p.fillRect(rect.adjusted(0, rect.height() - 3, 0, 0), palette::kAccent);
        QLinearGradient glow(0, rect.bottom() - 12, 0, rect.bottom() - 2);
        glow.setColorAt(0, QColor(0xE8, 0x1F, 0x37, 0));
        glow.setColorAt(1, QColor(0xE8, 0x1F, 0x37, 70));
        p.fillRect(rect.adjusted(0, rect.height() - 14, 0, -3), glow);
    } else {
        p.fillRect(rect.adjusted(0, rect.height() - 2, 0, 0), QColor(0xC8, 0x2A, 0x3E));
    }
}

} // namespace

void paintButton(QPainter& p, const QRect& rect, ButtonKind kind, Look look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == ButtonKind::Tab) {
        paintTab(p, rect, look);
        p.restore();
        return;
    }
    const Surface s = surfaceOf(kind, look);
    const QRectF box = QRectF(rect).adjusted(
        s.borderWidth / 2 + 0.5, s.borderWidth / 2 + 0.5, -s.borderWidth / 2 - 0.5, -s.borderWidth / 2 - 0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, s.top);
    fill.setColorAt(1, s.bottom);
    p.setBrush(fill);
    p.setPen(QPen(s.border, s.borderWidth));
    p.drawRoundedRect(box, 4, 4);

    // A thin top highlight makes the face read as raised; pressed faces
    // get an inner glow at the bottom instead.
    if (look != Look::Down) {
        p.setPen(QPen(QColor(255, 255, 255, kind == ButtonKind::Primary ? 60 : 18), 1));
        p.drawLine(box.topLeft() + QPointF(4, 1), box.topRight() + QPointF(-4, 1));
    } else {
        QLinearGradient glow(0, box.bottom() - box.height() * 0.6, 0, box.bottom());
        glow.setColorAt(0, QColor(0xFF, 0x30, 0x48, 0));
        glow.setColorAt(1, QColor(0xFF, 0x30, 0x48, 90));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 3, 3);
    }
    // Selectors carry a side bar that shows their state at a glance.
    if (kind == ButtonKind::Profile) {
        const QColor bar = look == Look::Down ? palette::kAccentBright
            : look == Look::Over              ? QColor(0xC8, 0x2A, 0x3E)
                                              : palette::kFaint;
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRoundedRect(QRectF(box.left() + 1, box.top() + 5, 3, box.height() - 10), 1.5, 1.5);
    }
    if (kind == ButtonKind::Record) {
        const QPointF centre(box.left() + 18, box.center().y());
        p.setPen(Qt::NoPen);
        if (look == Look::Down) {
            p.setBrush(QColor(0xFF, 0x45, 0x5A, 70));
            p.drawEllipse(centre, 9, 9);
            p.setBrush(palette::kAccentBright);
            p.drawRoundedRect(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), 2, 2);
        } else {
            p.setBrush(look == Look::Over ? palette::kAccentBright : palette::kAccent);
            p.drawEllipse(centre, 6, 6);
        }
    }
    if (kind == ButtonKind::Choice) {
        const QPointF centre(box.left() + 16, box.center().y());
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look == Look::Normal ? palette::kMuted : palette::kAccentBright, 1.5));
        p.drawEllipse(centre, 6, 6);
        if (look == Look::Down) {
            p.setPen(Qt::NoPen);
            p.setBrush(palette::kAccentBright);
            p.drawEllipse(centre, 3.2, 3.2);
        }
    }
    p.restore();
}

void paintLed(QPainter& p, const QRect& rect, Look look, bool strongDown)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(rect).center();
    const qreal r = rect.width() / 2.0;
    const bool lit = look == Look::Over || (look == Look::Down && strongDown);
    QRadialGradient glow(c, r);
    if (look == Look::Normal) {
        glow.setColorAt(0, QColor(0x4A, 0x52, 0x60));
        glow.setColorAt(0.55, QColor(0x2E, 0x34, 0x3F));
        glow.setColorAt(1, QColor(0x2E, 0x34, 0x3F, 0));
    } else if (lit) {
        glow.setColorAt(0, QColor(0xFF, 0xD0, 0xD6));
        glow.setColorAt(0.35, QColor(0xFF, 0x3A, 0x52));
        glow.setColorAt(1, QColor(0xE8, 0x1F, 0x37, 0));
    } else {
        glow.setColorAt(0, QColor(0xB0, 0x1C, 0x30));
        glow.setColorAt(0.5, QColor(0x6A, 0x10, 0x1C));
        glow.setColorAt(1, QColor(0x6A, 0x10, 0x1C, 0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r, r);
    p.restore();
}

void paintSwitch(QPainter& p, const QRect& rect, Look look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track(rect.center().x() - 20, rect.center().y() - 10 + 0.5, 40, 20);
    const bool on = look == Look::Down;
    p.setPen(QPen(on             ? palette::kAccentBright
            : look == Look::Over ? QColor(0xC8, 0x2A, 0x3E)
                                 : palette::kFaint,
        1.2));
    QLinearGradient fill(track.topLeft(), track.bottomLeft());
    fill.setColorAt(0, on ? QColor(0xD0, 0x17, 0x2F) : QColor(0x0E, 0x10, 0x14));
    fill.setColorAt(1, on ? QColor(0x90, 0x0C, 0x1F) : QColor(0x1A, 0x1E, 0x25));
    p.setBrush(fill);
    p.drawRoundedRect(track, 10, 10);
    const QPointF knob(on ? track.right() - 10 : track.left() + 10, track.center().y());
    QRadialGradient knobFill(knob - QPointF(2, 3), 10);
    knobFill.setColorAt(0,
        on                       ? Qt::white
            : look == Look::Over ? QColor(0xE6, 0xE9, 0xEE)
                                 : QColor(0x9A, 0xA2, 0xAF));
    knobFill.setColorAt(1, on ? QColor(0xE0, 0xE0, 0xE0) : QColor(0x5A, 0x62, 0x70));
    p.setPen(Qt::NoPen);
    p.setBrush(knobFill);
    p.drawEllipse(knob, 7.5, 7.5);
    p.restore();
}

void paintControlFrame(QPainter& p, const QRect& controlRect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(controlRect).adjusted(-4.5, -4.5, 4.5, 4.5);
    p.setBrush(palette::kControl);
    p.setPen(QPen(palette::kCardBorder, 1));
    p.drawRoundedRect(frame, 4, 4);
    p.fillRect(controlRect, palette::kControl);
    p.restore();
}

void paintCaption(
    QPainter& p, const QRect& rect, const QString& text, const QFont& font, const QColor& colour, int flags)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rect, flags, text);
    p.restore();
}

} // namespace z3::skin_builder
