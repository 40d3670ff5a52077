#pragma once

#include <QRect>
#include <array>

namespace z3::skin_builder {

// One row of a layout file: a free name for skin authors, the rectangle
// and the label the program draws (empty for regions that show no text).
struct RegionSpec {
    const char* name = "";
    QRect rect;
    const char* label = "";
};

// The default skin's window and popup sizes. The window is 533 x 395 dialog
// units of the 8-point dialog font, about 800 x 640 pixels.
inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 640;
// Function menu: ten rows; the mask is 10 rows high, the pictures one more
// pixel line (the menu's region ends one line below row 10).
inline constexpr int kMenuWidth = 200;
inline constexpr int kMenuRowHeight = 28;
// Advanced menu: room for twelve rows.
inline constexpr int kAdvancedMenuWidth = 220;
inline constexpr int kAdvancedMenuRowHeight = 28;
inline constexpr int kWarningWidth = 340;
inline constexpr int kWarningHeight = 176;

// Main page slider: the five positions are laid out by DPI (1200 .. 3200),
// so value code v (0 = 3200, 1 = 1200, ...) sits at position (v + 4) % 5.
inline constexpr int kSliderLeft = 304;
inline constexpr int kSliderStep = 64;
inline constexpr int kSliderHeight = 28;
inline constexpr int kKnobOffset = 7; // the program draws the knob 7 px right of a position
inline constexpr int kStageRowTop = 398;
inline constexpr int kStageRowPitch = 34;
inline constexpr std::array<const char*, 5> kDpiByPosition = {"1200", "1600", "2000", "2400", "3200"};
int sliderPosition(int valueCode);

// The LED colour of each DPI stage as the colour page's preview shows it:
// blue, pink, red, purple.
inline constexpr std::array<unsigned, 4> kStageColours = {0x1E8CFF, 0xFF5FB4, 0xFF2A2A, 0xA046FF};

struct MainGeometry {
    std::array<RegionSpec, 80> regions;
    std::array<const char*, 55> functionLabels;
};
struct AdvancedGeometry {
    std::array<RegionSpec, 14> regions;
    // EDIT 3 (repeat count), EDIT 4 (macro name), MACRODISPLAY 1 (macro list),
    // MACRODISPLAY 2 (event list), as x, y, width, height.
    QRect repeatEdit;
    QRect nameEdit;
    QRect macroList;
    QRect eventList;
};

const MainGeometry& mainGeometry();
const std::array<RegionSpec, 12>& colourGeometry();
const AdvancedGeometry& advancedGeometry();
const std::array<RegionSpec, 3>& warningGeometry();

// Where the mouse illustration's button indicators sit (regions 69..74).
inline constexpr int kIndicatorBase = 69;

} // namespace z3::skin_builder
