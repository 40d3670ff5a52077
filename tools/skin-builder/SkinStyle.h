#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

namespace z3::skin_builder {

// The three pictures of every skinned surface.
enum class Look { Normal, Over, Down };

// Kinds of clickable surfaces, each with its own normal, hover and pressed
// drawing. Everything a look changes stays inside the region's rectangle,
// because the program copies exactly that rectangle from the over and down
// pictures.
enum class ButtonKind {
    Plain,   // secondary command button
    Primary, // the apply button
    Tab,     // page tab: down is the shown page
    Profile, // profile selector: down is the active profile
    Slot,    // button function label box beside the mouse
    Choice,  // option of a group (wheel, LED mode): down is the chosen one
    Record,  // the macro page's record button: down while recording
};

namespace palette {
inline const QColor kBackgroundTop{0x12, 0x15, 0x1B};
inline const QColor kBackgroundBottom{0x0A, 0x0C, 0x10};
inline const QColor kCard{0x15, 0x19, 0x20};
inline const QColor kCardBorder{0x27, 0x2D, 0x38};
inline const QColor kControl{0x1E, 0x1E, 0x1E}; // RGB(30, 30, 30): the page controls' background
inline const QColor kAccent{0xE8, 0x1F, 0x37};
inline const QColor kAccentBright{0xFF, 0x45, 0x5A};
inline const QColor kAccentDeep{0x8C, 0x0C, 0x1E};
inline const QColor kMuted{0x7D, 0x86, 0x96};
inline const QColor kFaint{0x3A, 0x41, 0x4E};
} // namespace palette

QFont brandFont(int pixelSize, bool italic = false);
QFont captionFont(int pixelSize, bool bold = false);

// The window's outline: chamfered corners and a notch under the status bar.
QPainterPath windowOutline();

void paintWindowBackground(QPainter& p);
void paintCard(QPainter& p, const QRectF& rect);
void paintButton(QPainter& p, const QRect& rect, ButtonKind kind, Look look);
// A round indicator light: off (normal), lit (over), glowing dim (down) or,
// with `strongDown`, a down look as bright as the over look.
void paintLed(QPainter& p, const QRect& rect, Look look, bool strongDown = false);
// An on/off switch centred in the rectangle: normal off, over a lit hint,
// down on.
void paintSwitch(QPainter& p, const QRect& rect, Look look);
void paintControlFrame(QPainter& p, const QRect& controlRect);
void paintCaption(QPainter& p, const QRect& rect, const QString& text, const QFont& font,
    const QColor& colour, int flags = Qt::AlignCenter);

} // namespace z3::skin_builder
