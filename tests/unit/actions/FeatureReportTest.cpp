#include "core/device/FeatureReport.h"

#include "core/device/FunctionTranslation.h"

#include <gtest/gtest.h>
#include <vector>

namespace z3 {
namespace {

std::vector<uint8_t> encoded(const FeatureReport& report, size_t length)
{
    std::vector<uint8_t> out(length, 0xAD); // sentinel: every byte must be written
    report.encode(out);
    return out;
}

TEST(FeatureReport, EncodesHeaderThenZerosToTheCollectionLength)
{
    EXPECT_EQ(encoded(FeatureReport::buttonMapping(2, 0x0F), 8),
        (std::vector<uint8_t>{0x07, 0x10, 0x02, 0x0F, 0, 0, 0, 0}));
    EXPECT_EQ(encoded(FeatureReport::wheel(0x101), 6), (std::vector<uint8_t>{0x07, 0x11, 0x01, 0, 0, 0}));
    EXPECT_EQ(encoded(FeatureReport::close(), 4), (std::vector<uint8_t>{0x07, 0x20, 0, 0}));
    const auto wide = encoded(FeatureReport::close(), 300);
    EXPECT_EQ(std::count(wide.begin() + 4, wide.end(), 0), 296);
}

TEST(FeatureReport, ShortCollectionsGetTheBytesThatFit)
{
    EXPECT_EQ(encoded(FeatureReport::wheel(1), 2), (std::vector<uint8_t>{0x07, 0x11}));
    EXPECT_TRUE(encoded(FeatureReport::wheel(1), 0).empty());
}

TEST(FeatureReport, DpiLedCarriesStageValueAndLedMode)
{
    struct Case {
        int32_t level;
        uint8_t value;
        uint8_t led;
        uint8_t parameter1;
        uint8_t parameter2;
    };
    const Case cases[] = {
        {0, 1, 0, 0x00, 0x90},
        {0, 0, 3, 0x00, 0x83},
        {1, 4, 2, 0x01, 0xC2},
        {2, 4, 1, 0x02, 0xC1},
        {3, 7, 15, 0x03, 0xFF},
        {0, 8, 0, 0x00, 0x00}, // values beyond 7 wrap modulo 256, as the mouse has always seen them
        {0, 255, 255, 0x00, 0x6F},
        {-1, 0, 0, 0xFF, 0x80},
    };
    for (const auto& c : cases) {
        const auto report = FeatureReport::dpiLed(c.level, c.value, c.led);
        EXPECT_EQ(encoded(report, 4), (std::vector<uint8_t>{0x07, 0x09, c.parameter1, c.parameter2}))
            << "value " << int(c.value) << " led " << int(c.led);
    }
}

TEST(FunctionTranslation, EveryCodeRange)
{
    struct Case {
        int32_t code;
        std::optional<uint8_t> device;
        ButtonDpiAction dpi;
    };
    const Case cases[] = {
        {0, 0, ButtonDpiAction::None},
        {1, 1, ButtonDpiAction::None},
        {5, 5, ButtonDpiAction::None},
        {6, 31, ButtonDpiAction::Cycle},
        {7, std::nullopt, ButtonDpiAction::None},
        {10, std::nullopt, ButtonDpiAction::None},
        {11, 7, ButtonDpiAction::None},
        {14, 10, ButtonDpiAction::None},
        {16, 12, ButtonDpiAction::None},
        {17, 31, ButtonDpiAction::Up},
        {18, 31, ButtonDpiAction::Down},
        {19, 8, ButtonDpiAction::None},
        {20, std::nullopt, ButtonDpiAction::None},
        {21, 13, ButtonDpiAction::None},
        {23, 15, ButtonDpiAction::None},
        {25, 17, ButtonDpiAction::None},
        {26, 31, ButtonDpiAction::None},
        {36, 31, ButtonDpiAction::None},
        {52, 31, ButtonDpiAction::None},
        {53, std::nullopt, ButtonDpiAction::None},
        {-1, std::nullopt, ButtonDpiAction::None},
        {INT32_MIN, std::nullopt, ButtonDpiAction::None},
        {INT32_MAX, std::nullopt, ButtonDpiAction::None},
    };
    for (const auto& c : cases) {
        const auto t = translateFunctionCode(c.code);
        EXPECT_EQ(t.deviceFunction, c.device) << c.code;
        EXPECT_EQ(t.dpiAction, c.dpi) << c.code;
    }
}

} // namespace
} // namespace z3
