#include "core/skin/HitRegion.h"

#include <algorithm>
#include <limits>

namespace z3 {
namespace {

int32_t saturatedSum(int32_t a, int32_t b)
{
    const int64_t sum = int64_t{a} + int64_t{b};
    return static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

bool HitRegion::contains(int32_t px, int32_t py) const
{
    // 64-bit sums: a region read from a file may sit at the edge of int32.
    return x <= px && int64_t{px} < int64_t{x} + width && y <= py && int64_t{py} < int64_t{y} + height;
}

int32_t hitTest(std::span<const HitRegion> layout, int32_t lastIndex, int32_t px, int32_t py)
{
    const int64_t end = std::min<int64_t>(int64_t{lastIndex} + 1, static_cast<int64_t>(layout.size()));
    for (int64_t i = 0; i < end; ++i) {
        if (layout[static_cast<size_t>(i)].contains(px, py))
            return static_cast<int32_t>(i);
    }
    return kNoRegion;
}

ControlRect ControlRect::fromRegion(const HitRegion& region)
{
    return {region.x, region.y, saturatedSum(region.x, region.width), saturatedSum(region.y, region.height)};
}

} // namespace z3
