#pragma once

#include "core/macro/MacroRecord.h"

#include <cstdint>
#include <string>

namespace z3 {

// The texts of the event list: a step line is the direction mark ("[↓]" for
// a press, "[↑]" for a release, nothing otherwise) followed by the key name,
// a pause line is four blanks, the pause and "ms".
namespace StepText {

inline constexpr const char* PressMark = "[↓]";
inline constexpr const char* ReleaseMark = "[↑]";
// The name shown for codes that have no key name.
inline constexpr const char* Unnamed = "不可录制";

// The name of a virtual-key or mouse-button code: letters and digits as
// themselves, named keys by their virtual-key constant without "VK_",
// punctuation keys by their two characters, mouse buttons as "Left_Key",
// "Right_Key", "Middle_Key", everything else "不可录制".
std::string keyName(uint8_t code);

std::string stepLine(const MacroEvent& step);
std::string pauseLine(uint16_t delayMs);

} // namespace StepText
} // namespace z3
