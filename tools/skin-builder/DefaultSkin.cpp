#include "DefaultSkin.h"

#include "MouseArt.h"
#include "SkinGeometry.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace z3::skin_builder {
namespace {

const RegionSpec& mainRegion(int index)
{
    return mainGeometry().regions[static_cast<size_t>(index)];
}

QImage blankWindow()
{
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    image.fill(QColor(0x0A, 0x0C, 0x10));
    return image;
}

// Active-stage lights are lit when down; the button indicators blink
// between a bright over look and a dim down look.
Look activeLightLook(Look look)
{
    return look == Look::Down ? Look::Over : look == Look::Over ? Look::Down : Look::Normal;
}

void paintWindowButton(QPainter& p, const QRect& rect, Look look, bool close)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (look != Look::Normal) {
        QColor fill = close ? (look == Look::Over ? palette::kAccent : palette::kAccentDeep)
                            : (look == Look::Over ? QColor(0x33, 0x3A, 0x46) : QColor(0x20, 0x25, 0x2E));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    p.setPen(
        QPen(look == Look::Normal ? QColor(0xA8, 0xB0, 0xBD) : Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = QRectF(rect).center();
    if (close) {
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    } else {
        p.drawLine(c + QPointF(-6, 4), c + QPointF(6, 4));
    }
    p.restore();
}

void paintLogo(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Emblem: three slanted claw strokes.
    for (int i = 0; i < 3; ++i) {
        QPainterPath claw;
        const qreal x = 44 + i * 8;
        claw.moveTo(x + 6, 13);
        claw.lineTo(x + 11, 13);
        claw.lineTo(x + 3, 41);
        claw.lineTo(x - 2, 41);
        claw.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i == 1 ? palette::kAccentBright : palette::kAccent);
        p.drawPath(claw);
    }
    const QFont brand = brandFont(22, true);
    p.setFont(brand);
    p.setPen(Qt::white);
    p.drawText(QPointF(78, 33), "ZERRAT");
    const int brandWidth = QFontMetrics(brand).horizontalAdvance("ZERRAT");
    p.setPen(palette::kAccentBright);
    p.drawText(QPointF(84 + brandWidth, 33), "Z3");
    QFont small = brandFont(9);
    small.setBold(false);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    p.setFont(small);
    p.setPen(palette::kMuted);
    p.drawText(QPointF(80, 47), "GAMING MOUSE CONFIGURATOR");
    p.restore();
}

void paintDeviceBadge(QPainter& p)
{
    const QRect badge(24, 520, 136, 44);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette::kCardBorder, 1));
    p.setBrush(QColor(0x10, 0x13, 0x18));
    p.drawRoundedRect(QRectF(badge).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    paintMouse(p, QRectF(34, 526, 22, 32), palette::kAccent);
    paintCaption(
        p, QRect(64, 524, 92, 18), "ZERRAT Z3", brandFont(11), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    paintCaption(p, QRect(64, 542, 92, 16), "USB · 3200 DPI", brandFont(9), palette::kMuted,
        Qt::AlignLeft | Qt::AlignVCenter);
    p.restore();
}

} // namespace

void DefaultSkin::paintChrome(QPainter& p, Look look) const
{
    paintWindowBackground(p);
    paintLogo(p);
    paintWindowButton(p, mainRegion(12).rect, look, false);
    paintWindowButton(p, mainRegion(13).rect, look, true);
    for (int tab = 9; tab <= 11; ++tab)
        paintButton(p, mainRegion(tab).rect, ButtonKind::Tab, look);

    // Profile column.
    paintCard(p, QRectF(16, 64, 152, 510));
    paintCaption(p, QRect(24, 70, 136, 30), "配置文件", captionFont(13, true), QColor(0xC9, 0xCF, 0xD8),
        Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRect(24, 99, 28, 2), palette::kAccent);
    for (int profile = 4; profile <= 8; ++profile)
        paintButton(p, mainRegion(profile).rect, ButtonKind::Profile, look);
    p.fillRect(QRect(28, 343, 128, 1), palette::kCardBorder);
    for (int command : {0, 14, 15, 16})
        paintButton(p, mainRegion(command).rect, ButtonKind::Plain, look);
    paintDeviceBadge(p);

    // Bottom bar: the status line's field, close and apply.
    const QRect status = mainRegion(1).rect;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look == Look::Normal ? palette::kCardBorder : QColor(0x4A, 0x52, 0x60), 1));
    p.setBrush(QColor(0x0C, 0x0E, 0x12));
    p.drawRoundedRect(QRectF(status).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD2, 0x30));
    p.drawEllipse(QPointF(status.left() + 14, status.center().y() + 0.5), 3, 3);
    p.restore();
    paintButton(p, mainRegion(2).rect, ButtonKind::Plain, look);
    paintButton(p, mainRegion(3).rect, ButtonKind::Primary, look);
}

void DefaultSkin::paintSliderRow(QPainter& p, int stage, Look look) const
{
    const int y = kStageRowTop + stage * kStageRowPitch;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A flat plate: the knob picture is copied onto it as a rectangle, so
    // the plate has the knob picture's exact background.
    const QRectF plate(kSliderLeft - 8, y - 2, 5 * kSliderStep + 24, kSliderHeight + 4);
    p.setPen(QPen(QColor(0x22, 0x27, 0x30), 1));
    p.setBrush(QColor(0x10, 0x13, 0x18));
    p.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const qreal cy = y + kSliderHeight / 2.0;
    const qreal first = kSliderLeft + kSliderStep / 2.0;
    // The track spans every place a knob picture can cover, so a knob at
    // either end shows no stub of track beyond the main one.
    p.setPen(QPen(QColor(0x2C, 0x32, 0x3C), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(
        QPointF(kSliderLeft + kKnobOffset, cy), QPointF(kSliderLeft + kKnobOffset + 5 * kSliderStep, cy));
    for (int position = 0; position < 5; ++position) {
        const QPointF tick(first + position * kSliderStep, cy);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4A, 0x52, 0x60));
        p.drawEllipse(tick, 3, 3);
        if (look == Look::Normal)
            continue;
        // Hovering a position shows a ghost knob there; pressing fills it.
        p.setPen(QPen(look == Look::Over ? QColor(0xC8, 0x2A, 0x3E) : palette::kAccentBright, 2));
        p.setBrush(look == Look::Over ? QColor(0xE8, 0x1F, 0x37, 40) : QColor(0xE8, 0x1F, 0x37, 120));
        p.drawEllipse(tick, 9, 9);
    }
    p.restore();
}

QImage DefaultSkin::sliderKnob() const
{
    // The program copies the top-left width x height of this picture 7 px
    // right of a position's rectangle, so the knob is centred 7 px left of
    // the picture's middle and the rest repeats the slider plate.
    QImage image(kSliderStep, kSliderHeight, QImage::Format_RGB32);
    image.fill(QColor(0x10, 0x13, 0x18));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cy = kSliderHeight / 2.0;
    const qreal cx = kSliderStep / 2.0 - kKnobOffset;
    p.setPen(QPen(QColor(0x2C, 0x32, 0x3C), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, cy), QPointF(kSliderStep, cy));
    QRadialGradient glow(QPointF(cx, cy), 13);
    glow.setColorAt(0, QColor(0xFF, 0x45, 0x5A, 120));
    glow.setColorAt(1, QColor(0xFF, 0x45, 0x5A, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, cy), 13, 13);
    QRadialGradient face(QPointF(cx - 2, cy - 3), 10);
    face.setColorAt(0, QColor(0xFF, 0x8A, 0x98));
    face.setColorAt(0.6, palette::kAccent);
    face.setColorAt(1, palette::kAccentDeep);
    p.setBrush(face);
    p.setPen(QPen(QColor(0xFF, 0xC0, 0xC8), 1.2));
    p.drawEllipse(QPointF(cx, cy), 8.5, 8.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, cy), 2.5, 2.5);
    return image;
}

void DefaultSkin::paintMainContent(QPainter& p, Look look) const
{
    const auto& regions = mainGeometry().regions;
    paintCard(p, QRectF(184, 106, 600, 232));
    paintCard(p, QRectF(184, 342, 600, 232));
    // Accent marks in front of the two section titles.
    p.fillRect(QRect(190, 119, 3, 14), palette::kAccent);
    p.fillRect(QRect(190, 351, 3, 14), palette::kAccent);

    // Function label boxes and their callout lines to the mouse.
    const QRectF mouseBox(418, 128, 136, 202);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int button = 0; button < 6; ++button) {
        const QRect label = regions[static_cast<size_t>(17 + button)].rect;
        const QPointF led = QRectF(regions[static_cast<size_t>(kIndicatorBase + button)].rect).center();
        const bool left = label.center().x() < led.x();
        const QPointF start(left ? label.right() + 1 : label.left(), label.center().y() + 0.5);
        const QPointF elbow(left ? start.x() + 26 : start.x() - 26, start.y());
        p.setPen(QPen(QColor(0x4A, 0x52, 0x60), 1));
        p.drawPolyline(QList<QPointF>{start, elbow, led});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6A, 0x73, 0x82));
        p.drawEllipse(start, 2, 2);
    }
    p.restore();
    paintMouse(p, mouseBox, palette::kAccent);
    for (int button = 0; button < 6; ++button) {
        paintButton(p, regions[static_cast<size_t>(17 + button)].rect, ButtonKind::Slot, look);
        paintLed(p, regions[static_cast<size_t>(kIndicatorBase + button)].rect, look);
    }

    // DPI stages: light, stage button, slider, enable switch.
    for (int position = 0; position < 5; ++position)
        paintCaption(p, QRect(kSliderLeft + position * kSliderStep, 374, kSliderStep, 20),
            kDpiByPosition[static_cast<size_t>(position)], brandFont(10), palette::kMuted);
    for (int stage = 0; stage < 4; ++stage) {
        paintLed(p, regions[static_cast<size_t>(65 + stage)].rect, activeLightLook(look));
        const QRect pill = regions[static_cast<size_t>(41 + stage)].rect;
        paintButton(p, pill, ButtonKind::Plain, look);
        paintCaption(p, pill, QString("档位 %1").arg(stage + 1), captionFont(12),
            look == Look::Normal ? QColor(0xB4, 0xBC, 0xC8) : Qt::white);
        paintSliderRow(p, stage, look);
        paintSwitch(p, regions[static_cast<size_t>(27 + stage)].rect, look);
    }
    p.fillRect(QRect(196, 532, 576, 1), palette::kCardBorder);
    paintButton(p, regions[32].rect, ButtonKind::Choice, look);
    paintButton(p, regions[33].rect, ButtonKind::Choice, look);
}

void DefaultSkin::paintAdvancedContent(QPainter& p, Look look) const
{
    const auto& g = advancedGeometry();
    const auto& r = g.regions;
    paintCard(p, QRectF(184, 106, 244, 468));
    paintCard(p, QRectF(432, 106, 352, 468));
    for (const QRect& control : {g.nameEdit, g.macroList, g.eventList, g.repeatEdit})
        paintControlFrame(p, control);
    for (int button : {0, 1, 2, 3, 5})
        paintButton(p, r[static_cast<size_t>(button)].rect, ButtonKind::Plain, look);
    paintButton(p, r[4].rect, ButtonKind::Record, look);
    paintButton(p, r[6].rect, ButtonKind::Choice, look);
    // Key press and release counters: read-only readouts.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int counter : {10, 11}) {
        p.setPen(QPen(palette::kCardBorder, 1));
        p.setBrush(QColor(0x0E, 0x10, 0x14));
        p.drawRoundedRect(QRectF(r[static_cast<size_t>(counter)].rect).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    p.restore();
}

void DefaultSkin::paintColourContent(QPainter& p, Look look, const QColor& preview) const
{
    const auto& r = colourGeometry();
    paintCard(p, QRectF(184, 106, 244, 468));
    paintCard(p, QRectF(432, 106, 352, 468));
    for (int mode = 0; mode < 4; ++mode)
        paintButton(p, r[static_cast<size_t>(mode)].rect, ButtonKind::Choice, look);

    // DPI readout and the stage colour legend.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRect readout = r[9].rect;
    p.setPen(QPen(palette::kCardBorder, 1));
    p.setBrush(QColor(0x0E, 0x10, 0x14));
    p.drawRoundedRect(QRectF(readout).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.fillRect(QRect(readout.left() + 1, readout.top() + 10, 3, readout.height() - 20), palette::kAccent);
    for (int stage = 0; stage < 4; ++stage) {
        const QRect swatch(196 + stage * 56, 482, 52, 24);
        const QColor colour = QColor::fromRgb(kStageColours[static_cast<size_t>(stage)]);
        QRadialGradient dot(QPointF(swatch.left() + 9, swatch.center().y() + 0.5), 7);
        dot.setColorAt(0, colour.lighter(150));
        dot.setColorAt(0.6, colour);
        dot.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(QPointF(swatch.left() + 9, swatch.center().y() + 0.5), 7, 7);
        paintCaption(p, swatch.adjusted(20, 0, 0, 0), QString("档位%1").arg(stage + 1), captionFont(11),
            QColor(0xB4, 0xBC, 0xC8), Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The preview stage: a dark plate with the mouse in its LED colour.
    const QRect stage = r[11].rect;
    QRadialGradient plate(QRectF(stage).center(), stage.width() * 0.7);
    plate.setColorAt(0, QColor(0x1A, 0x1E, 0x26));
    plate.setColorAt(1, QColor(0x0C, 0x0E, 0x12));
    p.setPen(QPen(palette::kCardBorder, 1));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(stage).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
    p.save();
    p.setClipRect(stage.adjusted(1, 1, -1, -1));
    paintMouse(p, QRectF(stage.center().x() - 74, stage.top() + 46, 150, 226), preview, true);
    p.restore();
}

QImage DefaultSkin::mainPage(Look look) const
{
    QImage image = blankWindow();
    QPainter p(&image);
    paintChrome(p, look);
    paintMainContent(p, look);
    return image;
}

QImage DefaultSkin::advancedPage(Look look) const
{
    QImage image = blankWindow();
    QPainter p(&image);
    paintChrome(p, look);
    paintAdvancedContent(p, look);
    return image;
}

QImage DefaultSkin::colourPage(Look look, const QColor& preview) const
{
    QImage image = blankWindow();
    QPainter p(&image);
    paintChrome(p, look);
    paintColourContent(p, look, preview);
    return image;
}

QImage DefaultSkin::mainMask() const
{
    // Dark inside, light outside; anti-aliasing is off so every edge pixel
    // is clearly one or the other even after JPEG compression.
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(windowOutline());
    return image;
}

QImage DefaultSkin::sizeOnly(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage DefaultSkin::menuPicture(int width, int rowHeight, int rows, int categoryFrom, Look look) const
{
    // One pixel line more than the rows: the menu's shape ends there.
    QImage image(width, rows * rowHeight + 1, QImage::Format_RGB32);
    image.fill(QColor(0x14, 0x17, 0x1D));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < rows; ++row) {
        const QRect band(0, row * rowHeight, width, rowHeight);
        if (look != Look::Normal) {
            QLinearGradient fill(band.topLeft(), band.topRight());
            fill.setColorAt(0, look == Look::Over ? QColor(0x3A, 0x12, 0x1A) : QColor(0x5A, 0x0C, 0x18));
            fill.setColorAt(1, look == Look::Over ? QColor(0x22, 0x14, 0x19) : QColor(0x2E, 0x0A, 0x11));
            p.fillRect(band.adjusted(1, 0, -1, 0), fill);
            p.fillRect(QRect(1, band.top() + 3, 3, rowHeight - 6),
                look == Look::Over ? palette::kAccent : palette::kAccentBright);
        }
        const bool category = categoryFrom > 0 && row + 1 >= categoryFrom;
        if (category) {
            p.setPen(QPen(look == Look::Normal ? palette::kMuted : palette::kAccentBright, 1.6, Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin));
            const QPointF tip(width - 14, band.center().y() + 0.5);
            p.drawPolyline(QList<QPointF>{tip + QPointF(-4, -5), tip, tip + QPointF(-4, 5)});
        }
        if (row + 1 < rows) {
            const bool groupEnd = categoryFrom > 0 && row + 2 == categoryFrom;
            p.fillRect(QRect(10, band.bottom(), width - 20, 1),
                groupEnd ? QColor(0x4A, 0x52, 0x60) : QColor(0x20, 0x25, 0x2D));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3A, 0x41, 0x4D), 1));
    p.drawRect(QRectF(0.5, 0.5, width - 1, rows * rowHeight));
    p.fillRect(QRect(0, 0, width, 2), palette::kAccent);
    return image;
}

QImage DefaultSkin::menu(Look look) const
{
    return menuPicture(kMenuWidth, kMenuRowHeight, 10, 7, look);
}

QImage DefaultSkin::advancedMenu(Look look) const
{
    return menuPicture(kAdvancedMenuWidth, kAdvancedMenuRowHeight, 12, 0, look);
}

namespace {

QPainterPath warningOutline()
{
    const qreal w = kWarningWidth;
    const qreal h = kWarningHeight;
    QPainterPath path;
    path.moveTo(16, 0);
    path.lineTo(w, 0);
    path.lineTo(w, h - 16);
    path.lineTo(w - 16, h);
    path.lineTo(0, h);
    path.lineTo(0, 16);
    path.closeSubpath();
    return path;
}

} // namespace

QImage DefaultSkin::warning(Look look) const
{
    QImage image(kWarningWidth, kWarningHeight, QImage::Format_RGB32);
    image.fill(QColor(0x0A, 0x0C, 0x10));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, kWarningHeight);
    fill.setColorAt(0, QColor(0x1C, 0x20, 0x28));
    fill.setColorAt(1, QColor(0x11, 0x14, 0x19));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(warningOutline());
    p.setPen(QPen(palette::kAccent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(warningOutline());
    p.drawLine(QPointF(1, 17), QPointF(17, 1));

    // Header: a warning sign and the title.
    QPainterPath sign;
    sign.moveTo(30, 16);
    sign.lineTo(41, 36);
    sign.lineTo(19, 36);
    sign.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xC2, 0x2E));
    p.drawPath(sign);
    p.setPen(QPen(QColor(0x1A, 0x12, 0x00), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 23), QPointF(30, 29));
    p.drawPoint(QPointF(30, 33));
    paintCaption(p, QRect(50, 14, 200, 24), "提示", captionFont(14, true), Qt::white,
        Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRect(20, 46, kWarningWidth - 40, 1), palette::kCardBorder);

    const auto& r = warningGeometry();
    paintButton(p, r[0].rect, ButtonKind::Plain, look);
    paintButton(p, r[1].rect, ButtonKind::Plain, look);
    return image;
}

QImage DefaultSkin::warningMask() const
{
    QImage image(kWarningWidth, kWarningHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(warningOutline());
    return image;
}

} // namespace z3::skin_builder
