#include "core/config/ConfigRules.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

void setButtons(ConfigModel& model, std::array<int32_t, kButtonCount> codes)
{
    for (int button = 1; button <= kButtonCount; ++button)
        model.buttonFunctionCode[button] = codes[button - 1];
}

std::array<int32_t, kButtonCount> buttons(const ConfigModel& model)
{
    std::array<int32_t, kButtonCount> codes{};
    for (int button = 1; button <= kButtonCount; ++button)
        codes[button - 1] = model.buttonFunctionCode[button];
    return codes;
}

TEST(LeftButtonRule, GivesTheLeftClickToTheNextButtonOnlyWhenNoneHasIt)
{
    using Codes = std::array<int32_t, kButtonCount>;
    const struct {
        Codes before;
        int editedSlot;
        Codes after;
    } cases[] = {
        {{23, 2, 3, 4, 5, 6}, 17, {23, 1, 3, 4, 5, 6}}, // button 1 edited: button 2 inherits
        {{2, 23, 3, 4, 5, 6}, 18, {2, 23, 1, 4, 5, 6}},
        {{2, 2, 3, 4, 36, 6}, 21, {2, 2, 3, 4, 36, 1}},
        {{2, 2, 3, 4, 5, 36}, 22, {2, 2, 3, 4, 5, 1}}, // button 6 edited: it gets code 1 itself
        {{2, 1, 3, 4, 5, 6}, 17, {2, 1, 3, 4, 5, 6}},  // another button keeps it: unchanged
        {{1, 1, 3, 4, 5, 6}, 17, {1, 1, 3, 4, 5, 6}},
        {{0, 0, 0, 0, 0, 0}, 0, {1, 0, 0, 0, 0, 0}}, // no edited slot: button 1
        {{0, 0, 0, 0, 0, 0}, 99, {1, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        ConfigModel model;
        setButtons(model, c.before);
        model.editedButtonSlot = c.editedSlot;
        applyLeftButtonRule(model);
        EXPECT_EQ(buttons(model), c.after) << "slot " << c.editedSlot;
    }
}

struct StageState {
    std::array<uint8_t, kStageCount> enabled;
    int32_t level;
    bool operator==(const StageState&) const = default;
};

StageState stages(const ConfigModel& model)
{
    StageState state{{}, model.dpiLevel};
    for (int stage = 1; stage <= kStageCount; ++stage)
        state.enabled[stage - 1] = model.dpiStageEnabled[stage];
    return state;
}

void setStages(ConfigModel& model, const StageState& state)
{
    for (int stage = 1; stage <= kStageCount; ++stage)
        model.dpiStageEnabled[stage] = state.enabled[stage - 1];
    model.dpiLevel = state.level;
}

TEST(DpiRegions, PressesEditStagesAndKeepTheInvariants)
{
    const struct {
        const char* name;
        StageState before;
        int region;
        StageState after;
    } cases[] = {
        {"enable a disabled stage", {{1, 0, 1, 1}, 0}, 28, {{1, 1, 1, 1}, 0}},
        {"disable an inactive stage", {{1, 1, 1, 1}, 0}, 29, {{1, 1, 0, 1}, 0}},
        {"disable the active stage moves up", {{1, 1, 1, 1}, 1}, 28, {{1, 0, 1, 1}, 2}},
        {"moving up skips disabled stages", {{1, 1, 0, 1}, 1}, 28, {{1, 0, 0, 1}, 3}},
        {"moving up wraps to stage 1", {{1, 0, 0, 1}, 3}, 30, {{1, 0, 0, 0}, 0}},
        {"the last enabled stage stays", {{0, 0, 1, 0}, 2}, 29, {{0, 0, 1, 0}, 2}},
        {"select an enabled stage", {{1, 1, 1, 1}, 0}, 44, {{1, 1, 1, 1}, 3}},
        {"select a disabled stage is refused", {{1, 1, 0, 1}, 0}, 43, {{1, 1, 0, 1}, 0}},
        {"hand-edited level is left alone by a toggle", {{1, 1, 1, 1}, 9}, 27, {{0, 1, 1, 1}, 9}},
    };
    for (const auto& c : cases) {
        ConfigModel model;
        setStages(model, c.before);
        EXPECT_TRUE(pressDpiRegion(model, c.region)) << c.name;
        EXPECT_EQ(stages(model), c.after) << c.name;
    }
}

TEST(DpiRegions, ValuePositionsSetValueAndRegion)
{
    const struct {
        int region;
        int stage;
        uint8_t value;
    } cases[] = {{45, 1, 0}, {49, 1, 4}, {52, 2, 2}, {59, 3, 4}, {60, 4, 0}, {64, 4, 4}};
    for (const auto& c : cases) {
        ConfigModel model;
        EXPECT_TRUE(pressDpiRegion(model, c.region));
        EXPECT_EQ(model.dpiStageValue[c.stage], c.value) << c.region;
        EXPECT_EQ(model.dpiStageRegion[c.stage], c.region);
        EXPECT_EQ(dpiStageRegion(c.stage, c.value), c.region);
    }
}

TEST(DpiRegions, OtherRegionsChangeNothing)
{
    for (const int region : {-1, 0, 26, 31, 40, 65, 255}) {
        ConfigModel model;
        setStages(model, {{1, 1, 0, 1}, 1});
        EXPECT_FALSE(pressDpiRegion(model, region));
        EXPECT_EQ(stages(model), (StageState{{1, 1, 0, 1}, 1}));
    }
}

TEST(DpiText, NamesEveryValueCodeAndFallsBackTo1200)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {{0, "3200"}, {1, "1200"}, {2, "1600"}, {3, "2000"}, {4, "2400"}, {5, "1200"}, {7, "1200"},
        {255, "1200"}, {-1, "1200"}};
    for (const auto& c : cases)
        EXPECT_EQ(dpiText(c.code), c.text) << c.code;
}

TEST(DpiText, UsesTheAppliedValueOfTheActiveStageEvenForAnOutOfRangeLevel)
{
    ConfigModel model;
    model.appliedDpiStageValue[1] = 0;
    model.appliedDpiStageValue[3] = 3;
    model.appliedDpiStageValue[4] = 4;
    model.dpiStageValue[3] = 2; // edited, not applied: not shown
    const struct {
        int32_t level;
        const char* text;
    } cases[] = {{2, "2000"}, {0, "3200"}, {3, "2400"}, {-5, "3200"}, {1000, "2400"}};
    for (const auto& c : cases) {
        model.dpiLevel = c.level;
        EXPECT_EQ(activeDpiText(model), c.text) << c.level;
    }
}

TEST(StatusLine, ShowsTheDriverStateAndTheBlinkingButton)
{
    ConfigModel model;
    EXPECT_EQ(statusLineText(model), "驱动运行中...");
    model.driverRunning = false;
    model.promptButton = 3;
    model.promptBlinkOn = true;
    EXPECT_EQ(statusLineText(model), "配置完成，请点击鼠标第[3]键运行驱动");
    model.promptBlinkOn = false;
    EXPECT_EQ(statusLineText(model), "配置完成，请点击鼠标第[ ]键运行驱动");
}

TEST(ConfigModel, StartsAllZeroButTheDriverFlag)
{
    const ConfigModel model;
    EXPECT_TRUE(model.driverRunning);
    EXPECT_EQ(model.profileIndex, 0);
    EXPECT_EQ(model.dpiLevel, 0);
    EXPECT_FALSE(model.devicePresent);
    EXPECT_EQ(buttons(model), (std::array<int32_t, kButtonCount>{}));
}

} // namespace
} // namespace z3
