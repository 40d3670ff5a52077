#include "core/skin/HitRegion.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>

namespace z3 {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

struct ContainsCase {
    HitRegion region;
    int32_t px;
    int32_t py;
    bool inside;
};

TEST(HitRegion, ContainsIsHalfOpenAndSafeAtTheInt32Edges)
{
    const ContainsCase cases[] = {
        {{10, 20, 30, 40, ""}, 10, 20, true},  // top-left corner
        {{10, 20, 30, 40, ""}, 39, 59, true},  // last pixel
        {{10, 20, 30, 40, ""}, 40, 20, false}, // x + width
        {{10, 20, 30, 40, ""}, 10, 60, false}, // y + height
        {{10, 20, 30, 40, ""}, 9, 25, false},
        {{10, 20, 0, 40, ""}, 10, 20, false}, // no width: never hit
        {{10, 20, 30, 0, ""}, 10, 20, false},
        {{10, 20, -5, 40, ""}, 8, 20, false}, // negative sizes hold nothing
        {{-50, -50, 100, 100, ""}, -50, 49, true},
        {{kMax, kMax, kMax, kMax, ""}, kMax, kMax, true},
        {{kMax - 1, 0, kMax, 1, ""}, kMax, 0, true},
        {{kMin, kMin, kMax, kMax, ""}, -2, -2, true},
        {{kMin, kMin, kMax, kMax, ""}, -1, -2, false},
    };
    for (const auto& c : cases) {
        const auto& r = c.region;
        EXPECT_EQ(r.contains(c.px, c.py), c.inside)
            << r.x << "," << r.y << "," << r.width << "," << r.height << " @ " << c.px << "," << c.py;
    }
}

TEST(HitRegion, HitTestTakesTheLowestRegionUpToTheLastIndex)
{
    const std::array<HitRegion, 4> layout = {{
        {0, 0, 0, 0, ""},                           // empty, never hit
        {10, 10, 50, 50, ""}, {20, 20, 10, 10, ""}, // inside region 1: region 1 wins
        {100, 100, 10, 10, ""},                     // beyond a last index of 2
    }};
    EXPECT_EQ(hitTest(layout, 3, 0, 0), kNoRegion);
    EXPECT_EQ(hitTest(layout, 3, 25, 25), 1);
    EXPECT_EQ(hitTest(layout, 3, 105, 105), 3);
    EXPECT_EQ(hitTest(layout, 2, 105, 105), kNoRegion);
    EXPECT_EQ(hitTest(layout, 1000, 105, 105), 3);
    EXPECT_EQ(hitTest(layout, -1, 25, 25), kNoRegion);
}

TEST(ControlRect, ConvertsSizeToExclusiveEdgesAndSaturates)
{
    EXPECT_EQ(ControlRect::fromRegion({10, 20, 30, 40, ""}), (ControlRect{10, 20, 40, 60}));
    EXPECT_EQ(ControlRect::fromRegion({kMax, kMin, 5, -5, ""}), (ControlRect{kMax, kMin, kMax, kMin}));
}

} // namespace
} // namespace z3
