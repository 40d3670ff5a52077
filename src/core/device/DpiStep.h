#pragma once

#include "core/config/ConfigModel.h"
#include "core/device/FunctionTranslation.h"

namespace z3 {

// The DPI level (0..3) a DPI button moves to: down takes the nearest enabled
// stage below, up the nearest enabled stage above, cycle the next enabled
// stage upward with wrap-around; with no such stage the level stays. A
// stage is enabled when its flag is exactly 1. A level outside 0..3 (a
// hand-edited file) is first taken as the nearest valid one.
int32_t nextDpiLevel(const ConfigModel& model, ButtonDpiAction action);

} // namespace z3
