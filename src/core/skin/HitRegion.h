#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace z3 {

// A clickable or labelled rectangle of a skin layout, in window pixels.
// Values come straight from the layout file, so any int32 (negative, huge)
// is possible; the tests below never overflow.
struct HitRegion {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::string label;

    // Half-open: x <= px < x + width and y <= py < y + height. A region
    // with no width or height is never hit.
    bool contains(int32_t px, int32_t py) const;
};

// Returned by `hitTest` when no region contains the point.
inline constexpr int32_t kNoRegion = 255;

// The first region 0..lastIndex (ascending, so overlaps go to the lower
// index) that contains the point, or kNoRegion. `lastIndex` beyond the
// layout is limited to its last region.
int32_t hitTest(std::span<const HitRegion> layout, int32_t lastIndex, int32_t px, int32_t py);

// A child control's rectangle as left, top, right, bottom (right and bottom
// exclusive), converted from a layout row's x, y, width, height. Sums beyond
// the int32 range saturate.
struct ControlRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    static ControlRect fromRegion(const HitRegion& region);
    bool operator==(const ControlRect&) const = default;
};

} // namespace z3
