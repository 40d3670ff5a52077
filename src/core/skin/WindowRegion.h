#pragma once

#include "core/skin/HitRegion.h"
#include "core/skin/MaskPixels.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace z3 {

// A window's outline cut from a mask picture: the set of inside pixels of a
// width x height picture, held row by row as horizontal runs. It is the
// same pixel set as starting from the full rectangle and removing every
// outside pixel one by one, built in one pass over the pixels.
class WindowRegion {
public:
    // Run [x0, x1) of inside pixels on one row.
    struct Run {
        int32_t x0 = 0;
        int32_t x1 = 0;
        bool operator==(const Run&) const = default;
    };
    // A rectangle of the banded form (see `bands`).
    struct Rect {
        int32_t x = 0;
        int32_t y = 0;
        int32_t width = 0;
        int32_t height = 0;
        bool operator==(const Rect&) const = default;
    };

    WindowRegion() = default;

    // Scans a mask. An invalid view gives an empty 0 x 0 region.
    static WindowRegion fromMask(const MaskPixels& mask);

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    bool isEmpty() const { return m_runs.empty(); }
    size_t runCount() const { return m_runs.size(); }

    bool contains(int32_t x, int32_t y) const;

    // Removes a rectangle (clipped to the region; empty or inverted ones
    // remove nothing).
    void subtract(const ControlRect& rect);

    // The region as y-x banded rectangles: sorted by y then x, rows with the
    // same runs merged into one band, rectangles of a band sharing top and
    // height, never overlapping or touching side by side. This is the form
    // toolkits accept for building a region in one step.
    std::vector<Rect> bands() const;

    bool operator==(const WindowRegion&) const = default;

private:
    // Runs of row y are m_runs[m_rowStart[y] .. m_rowStart[y + 1]).
    std::vector<uint32_t> m_rowStart;
    std::vector<Run> m_runs;
    int32_t m_width = 0;
    int32_t m_height = 0;
};

} // namespace z3
