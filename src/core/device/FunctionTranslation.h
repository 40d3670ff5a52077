#pragma once

#include <cstdint>
#include <optional>

namespace z3 {

// What a host-handled button does to the DPI stage.
enum class ButtonDpiAction : int32_t {
    Down = -1,
    None = 0,
    Up = 1,
    Cycle = 2,
};

// Device function code that makes the mouse report presses of the button to
// the host instead of acting itself.
inline constexpr uint8_t kHostReportedFunction = 31;

// The colour-picker code is not a valid button function; an apply replaces
// it with this code (and tells the user).
inline constexpr int32_t kColourPickerCode = 19;
inline constexpr int32_t kColourPickerReplacement = 12;

struct FunctionTranslation {
    // The code the mouse executes; nothing when no mapping report is sent.
    std::optional<uint8_t> deviceFunction;
    ButtonDpiAction dpiAction = ButtonDpiAction::None;

    bool operator==(const FunctionTranslation&) const = default;
};

namespace detail {

struct FunctionRange {
    int32_t first;
    int32_t last;
    int32_t offset; // device code = code + offset, unless hostReported
    bool hostReported;
    ButtonDpiAction dpiAction;
};

// Button function codes the mouse understands, by range; every code outside
// them sends no mapping report.
inline constexpr FunctionRange kFunctionRanges[] = {
    {0, 5, 0, false, ButtonDpiAction::None},
    {6, 6, 0, true, ButtonDpiAction::Cycle},
    {11, 16, -4, false, ButtonDpiAction::None},
    {17, 17, 0, true, ButtonDpiAction::Up},
    {18, 18, 0, true, ButtonDpiAction::Down},
    {19, 19, 12 - 4 - 19, false, ButtonDpiAction::None}, // as its replacement 12
    {21, 25, -8, false, ButtonDpiAction::None},
    {26, 52, 0, true, ButtonDpiAction::None},
};

} // namespace detail

// Translates a button function code into the device function code sent in
// its mapping report and the DPI action the host performs for it.
constexpr FunctionTranslation translateFunctionCode(int32_t code)
{
    for (const auto& range : detail::kFunctionRanges) {
        if (code < range.first || code > range.last)
            continue;
        const auto device
            = range.hostReported ? kHostReportedFunction : static_cast<uint8_t>(code + range.offset);
        return {device, range.dpiAction};
    }
    return {};
}

static_assert(translateFunctionCode(kColourPickerCode) == translateFunctionCode(kColourPickerReplacement));
static_assert(translateFunctionCode(23).deviceFunction == 15);

} // namespace z3
