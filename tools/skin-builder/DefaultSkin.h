#pragma once

#include "SkinStyle.h"

#include <QColor>
#include <QImage>

namespace z3::skin_builder {

// Draws every picture of the default skin. Each page picture is the whole
// window with every clickable surface in one look; the program composes the
// window by copying region rectangles of the over and down pictures onto
// the normal one, and draws the labels itself.
class DefaultSkin {
public:
    QImage mainPage(Look look) const;
    QImage advancedPage(Look look) const;
    // `preview` is the LED colour shown in the preview area (invalid: dark).
    QImage colourPage(Look look, const QColor& preview) const;
    QImage mainMask() const;
    QImage sliderKnob() const;

    QImage menu(Look look) const;
    QImage advancedMenu(Look look) const;
    QImage warning(Look look) const;
    QImage warningMask() const;

    // Plain-colour pictures whose only use is their size.
    static QImage sizeOnly(int width, int height);

private:
    void paintChrome(QPainter& p, Look look) const;
    void paintMainContent(QPainter& p, Look look) const;
    void paintAdvancedContent(QPainter& p, Look look) const;
    void paintColourContent(QPainter& p, Look look, const QColor& preview) const;
    void paintSliderRow(QPainter& p, int stage, Look look) const;
    QImage menuPicture(int width, int rowHeight, int rows, int categoryFrom, Look look) const;
};

} // namespace z3::skin_builder
