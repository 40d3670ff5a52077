#include "core/device/DpiStep.h"

#include "core/config/ConfigRules.h"

namespace z3 {

namespace {

bool stageEnabled(const ConfigModel& model, int level)
{
    return model.dpiStageEnabled[level + 1] == 1;
}

} // namespace

int32_t nextDpiLevel(const ConfigModel& model, ButtonDpiAction action)
{
    const int level = activeStage(model) - 1;
    switch (action) {
    case ButtonDpiAction::Down:
        for (int l = level - 1; l >= 0; --l) {
            if (stageEnabled(model, l))
                return l;
        }
        break;
    case ButtonDpiAction::Up:
        for (int l = level + 1; l < kStageCount; ++l) {
            if (stageEnabled(model, l))
                return l;
        }
        break;
    case ButtonDpiAction::Cycle:
        for (int step = 1; step <= kStageCount; ++step) {
            const int l = (level + step) % kStageCount;
            if (stageEnabled(model, l))
                return l;
        }
        break;
    case ButtonDpiAction::None:
        break;
    }
    return level;
}

} // namespace z3
