#pragma once

#include <cstddef>
#include <cstdint>

namespace z3 {

// A decoded picture as the core sees it: rows of 32-bit pixels 0xAARRGGBB
// (alpha ignored), `stride` pixels from one row to the next. The pixels
// belong to the caller and must outlive the view.
struct MaskPixels {
    const uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    size_t stride = 0;

    // A view the scanners may read: sizes not negative, rows long enough,
    // and pixels present whenever there is anything to read.
    bool valid() const
    {
        return width >= 0 && height >= 0 && stride >= static_cast<size_t>(width)
            && (pixels != nullptr || width == 0 || height == 0);
    }

    uint32_t at(int32_t x, int32_t y) const
    {
        return pixels[static_cast<size_t>(y) * stride + static_cast<size_t>(x)];
    }
};

// The mask rule: a pixel is outside the window when each of red, green and
// blue is above 100 (strictly); any channel at or below 100 keeps it inside,
// so JPEG noise around dark shapes stays inside.
constexpr bool isOutsidePixel(uint32_t argb)
{
    return ((argb >> 16) & 0xFFu) > 100 && ((argb >> 8) & 0xFFu) > 100 && (argb & 0xFFu) > 100;
}

} // namespace z3
