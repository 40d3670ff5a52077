#include "core/skin/WindowRegion.h"

#include "core/skin/RepaintRegion.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace z3 {
namespace {

constexpr uint32_t kDark = 0xFF000000;
constexpr uint32_t kLight = 0xFFFFFFFF;

// A mask drawn as text: '#' inside (dark), '.' outside (light).
struct AsciiMask {
    explicit AsciiMask(const std::vector<std::string>& rows)
    {
        height = static_cast<int32_t>(rows.size());
        width = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
        for (const auto& row : rows)
            for (const char c : row)
                pixels.push_back(c == '#' ? kDark : kLight);
    }
    MaskPixels view() const { return {pixels.data(), width, height, static_cast<size_t>(width)}; }

    std::vector<uint32_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
};

// The per-pixel rule, straight from the definition.
void expectSamePixels(const WindowRegion& region, const MaskPixels& mask)
{
    ASSERT_EQ(region.width(), mask.width);
    ASSERT_EQ(region.height(), mask.height);
    for (int32_t y = -1; y <= mask.height; ++y)
        for (int32_t x = -1; x <= mask.width; ++x) {
            const bool inMask = x >= 0 && y >= 0 && x < mask.width && y < mask.height;
            EXPECT_EQ(region.contains(x, y), inMask && !isOutsidePixel(mask.at(x, y))) << x << "," << y;
        }
}

struct PixelCase {
    uint32_t argb;
    bool outside;
};

TEST(WindowRegion, OutsideOnlyWhenEveryChannelIsAbove100)
{
    const PixelCase cases[] = {
        {0xFF656565, true},  // 101, 101, 101
        {0xFF64FFFF, false}, // red 100
        {0xFFFF64FF, false}, // green 100
        {0xFFFFFF64, false}, // blue 100: (255, 255, 100) stays inside
        {0xFF65C8C8, true},  // (101, 200, 200)
        {0x00FFFFFF, true},  // alpha is ignored
        {0xFF000000, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOutsidePixel(c.argb), c.outside) << std::hex << c.argb;
}

TEST(WindowRegion, RunsHoldExactlyTheInsidePixels)
{
    const AsciiMask mask({
        "..####..",
        ".######.",
        "########",
        "#.#.#.#.",
        "........",
        "########",
    });
    const auto region = WindowRegion::fromMask(mask.view());
    expectSamePixels(region, mask.view());
    EXPECT_EQ(region.runCount(), 1u + 1 + 1 + 4 + 0 + 1);
}

TEST(WindowRegion, RandomMasksMatchThePerPixelRule)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const int32_t width = 1 + static_cast<int32_t>(random() % 40);
        const int32_t height = 1 + static_cast<int32_t>(random() % 30);
        const size_t stride = static_cast<size_t>(width) + random() % 3; // padding is never read
        std::vector<uint32_t> pixels(stride * static_cast<size_t>(height), 0xFF123456);
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x)
                // Channels around the threshold, like JPEG noise on a mask.
                pixels[static_cast<size_t>(y) * stride + static_cast<size_t>(x)] = 0xFF000000
                    | (95 + random() % 12) << 16 | (95 + random() % 12) << 8 | (95 + random() % 12);
        const MaskPixels mask{pixels.data(), width, height, stride};
        expectSamePixels(WindowRegion::fromMask(mask), mask);
    }
}

TEST(WindowRegion, InvalidOrEmptyMasksGiveAnEmptyRegion)
{
    const uint32_t pixel = kDark;
    const MaskPixels cases[] = {
        {nullptr, 0, 0, 0},
        {&pixel, 0, 10, 0},
        {&pixel, -1, 1, 1},
        {&pixel, 2, 1, 1}, // stride shorter than a row
        {nullptr, 1, 1, 1},
    };
    for (const auto& mask : cases) {
        const auto region = WindowRegion::fromMask(mask);
        EXPECT_TRUE(region.isEmpty());
        EXPECT_EQ(region.width(), 0);
        EXPECT_FALSE(region.contains(0, 0));
        EXPECT_TRUE(region.bands().empty());
    }
}

TEST(WindowRegion, BandsMergeEqualRowsInYXOrder)
{
    const AsciiMask mask({
        "##..##",
        "##..##",
        "######",
        "......",
        "..##..",
    });
    const auto bands = WindowRegion::fromMask(mask.view()).bands();
    const std::vector<WindowRegion::Rect> expected = {{0, 0, 2, 2}, {4, 0, 2, 2}, {0, 2, 6, 1}, {2, 4, 2, 1}};
    EXPECT_EQ(bands, expected);
}

TEST(WindowRegion, SubtractCutsRunsAndClipsToTheRegion)
{
    const AsciiMask mask({
        "######",
        "######",
        "######",
    });
    auto region = WindowRegion::fromMask(mask.view());
    region.subtract({2, 1, 4, 100});                      // a hole through the lower two rows
    region.subtract({-10, -10, 1, 1});                    // top-left pixel, from a rectangle far outside
    region.subtract({5, 0, 3, 3});                        // inverted: nothing
    region.subtract({-2147483647 - 1, 2, 2147483647, 2}); // empty height
    const AsciiMask expected({
        ".#####",
        "##..##",
        "##..##",
    });
    expectSamePixels(region, expected.view());
}

TEST(RepaintRegion, CutsTheNameEditAndBothListsButNotTheRepeatEdit)
{
    const AsciiMask mask({
        "########",
        "########",
        "########",
        "########",
    });
    const auto outline = WindowRegion::fromMask(mask.view());
    PageControlRects controls;
    controls[PageControl::RepeatCountEdit] = {0, 0, 2, 1};
    controls[PageControl::MacroNameEdit] = {2, 0, 4, 1};
    controls[PageControl::MacroListBox] = {0, 2, 3, 4};
    controls[PageControl::EventListBox] = {5, 1, 8, 4};
    const auto repaint = makeRepaintRegion(outline, controls);
    const AsciiMask expected({
        "##..####",
        "#####...",
        "...##...",
        "...##...",
    });
    expectSamePixels(repaint, expected.view());
    EXPECT_EQ(outline, WindowRegion::fromMask(mask.view())) << "the outline itself stays whole";
}

} // namespace
} // namespace z3
