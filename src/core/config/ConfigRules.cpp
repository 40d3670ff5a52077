#include "core/config/ConfigRules.h"

#include <algorithm>

namespace z3 {

int activeStage(const ConfigModel& model)
{
    return std::clamp<int32_t>(model.dpiLevel, 0, kStageCount - 1) + 1;
}

int32_t dpiStageRegion(int stage, int value)
{
    return kFirstStageValueRegion + kStageValueCount * (stage - 1) + value;
}

void applyLeftButtonRule(ConfigModel& model)
{
    for (int button = 1; button <= kButtonCount; ++button) {
        if (model.buttonFunctionCode[button] == 1)
            return;
    }
    constexpr int kFirstButtonSlot = 17;
    const int edited = model.editedButtonSlot - kFirstButtonSlot + 1;
    int heir = 1;
    if (edited == kButtonCount)
        heir = kButtonCount;
    else if (edited >= 1 && edited < kButtonCount)
        heir = edited + 1;
    model.buttonFunctionCode[heir] = 1;
}

void toggleStageEnabled(ConfigModel& model, int stage)
{
    if (!OneBased<int, kStageCount>::contains(stage))
        return;
    if (model.dpiStageEnabled[stage] == 0) {
        model.dpiStageEnabled[stage] = 1;
        return;
    }
    model.dpiStageEnabled[stage] = 0;
    const int index = stage - 1;
    if (model.dpiLevel != index)
        return;
    for (int step = 1; step < kStageCount; ++step) {
        const int candidate = (index + step) % kStageCount;
        model.dpiLevel = candidate;
        if (model.dpiStageEnabled[candidate + 1] != 0)
            return;
    }
    model.dpiLevel = index;
    model.dpiStageEnabled[stage] = 1;
}

void selectActiveStage(ConfigModel& model, int stage)
{
    if (OneBased<int, kStageCount>::contains(stage) && model.dpiStageEnabled[stage] != 0)
        model.dpiLevel = stage - 1;
}

void setStageValueFromRegion(ConfigModel& model, int region)
{
    const int offset = region - kFirstStageValueRegion;
    if (offset < 0 || offset >= kStageCount * kStageValueCount)
        return;
    const int stage = offset / kStageValueCount + 1;
    model.dpiStageRegion[stage] = region;
    model.dpiStageValue[stage] = static_cast<uint8_t>(offset % kStageValueCount);
}

bool pressDpiRegion(ConfigModel& model, int region)
{
    if (region >= kFirstStageToggleRegion && region < kFirstStageToggleRegion + kStageCount) {
        toggleStageEnabled(model, region - kFirstStageToggleRegion + 1);
        return true;
    }
    if (region >= kFirstStageSelectRegion && region < kFirstStageSelectRegion + kStageCount) {
        selectActiveStage(model, region - kFirstStageSelectRegion + 1);
        return true;
    }
    if (region >= kFirstStageValueRegion
        && region < kFirstStageValueRegion + kStageCount * kStageValueCount) {
        setStageValueFromRegion(model, region);
        return true;
    }
    return false;
}

std::string_view dpiText(int valueCode)
{
    switch (valueCode) {
    case 0:
        return "3200";
    case 2:
        return "1600";
    case 3:
        return "2000";
    case 4:
        return "2400";
    default:
        return "1200";
    }
}

std::string_view activeDpiText(const ConfigModel& model)
{
    return dpiText(model.appliedDpiStageValue[activeStage(model)]);
}

std::string statusLineText(const ConfigModel& model)
{
    if (model.driverRunning)
        return "驱动运行中...";
    const std::string number = model.promptBlinkOn ? std::to_string(model.promptButton.load()) : " ";
    return "配置完成，请点击鼠标第[" + number + "]键运行驱动";
}

} // namespace z3
