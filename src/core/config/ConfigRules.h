#pragma once

#include "core/config/ConfigModel.h"

#include <string>
#include <string_view>

namespace z3 {

// The rules of the configuration model, as plain functions over it, so that
// every window and the listener apply them the same way.

// Main-window regions whose press edits the DPI stages.
inline constexpr int kFirstStageToggleRegion = 27; // 27..30 toggle stage 1..4
inline constexpr int kFirstStageSelectRegion = 41; // 41..44 make stage 1..4 active
inline constexpr int kFirstStageValueRegion = 45;  // 45..64 stage value positions
inline constexpr int kStageValueCount = 5;         // value codes 0..4 on the slider

// Stage (1..4) whose value `dpiLevel` names, or the nearest one when a
// hand-edited file put it out of range. The one place that turns the stored
// level into an index.
int activeStage(const ConfigModel& model);

// Region that shows `value` on the slider of `stage`: 45 + 5 x (stage - 1) + value.
int32_t dpiStageRegion(int stage, int value);

// After a menu choice: when no button has the left-click function (code 1),
// the button after the edited one gets it, or button 6 itself when button 6
// was edited. An edited slot outside 17..22 gives it to button 1.
void applyLeftButtonRule(ConfigModel& model);

// Toggles a stage's enable flag. Disabling the active stage moves the level
// to the next enabled stage upward (wrapping); the last enabled stage cannot
// be disabled.
void toggleStageEnabled(ConfigModel& model, int stage);

// Makes an enabled stage the active one; a disabled stage is refused.
void selectActiveStage(ConfigModel& model, int stage);

// Puts the slider of a stage on a value region (45..64).
void setStageValueFromRegion(ConfigModel& model, int region);

// Runs the DPI edit of a pressed main-window region (27..30, 41..44 or
// 45..64). Returns false, changing nothing, for any other region.
bool pressDpiRegion(ConfigModel& model, int region);

// DPI number shown for a value code: 0 "3200", 1 "1200", 2 "1600", 3 "2000",
// 4 "2400", anything else "1200".
std::string_view dpiText(int valueCode);

// DPI text of the stage in effect on the mouse.
std::string_view activeDpiText(const ConfigModel& model);

// Text of the main window's status line.
std::string statusLineText(const ConfigModel& model);

} // namespace z3
