#pragma once

#include "core/config/OneBased.h"
#include "core/config/SharedValue.h"

#include <array>
#include <cstdint>

namespace z3 {

inline constexpr int kButtonCount = 6;
inline constexpr int kStageCount = 4;
inline constexpr int kProfileCount = 5;

// Section numbers with a fixed role in config.ini and exchange files.
inline constexpr int kAppliedStateSection = 6; // what was last applied to the mouse
inline constexpr int kExchangeSection = 7;     // the one section of an exported profile

// Mouse-side number of button i (1..6): byte 2 of its mapping report and,
// plus 0xF0, the button byte of its input reports.
inline constexpr std::array<uint8_t, kButtonCount> kDeviceButtonNumber = {1, 2, 3, 4, 5, 6};
// What a reset restores.
inline constexpr std::array<int32_t, kButtonCount> kDefaultButtonFunctionCode = {1, 2, 3, 4, 5, 6};
inline constexpr std::array<uint8_t, kStageCount> kResetDpiStageValue = {1, 2, 4, 0}; // 1200 1600 2400 3200
inline constexpr std::array<uint8_t, kStageCount> kResetDpiStageEnabled = {1, 1, 1, 1};

// Pages of the main window.
enum class Page : uint8_t { Main = 0, Advanced = 1, Colour = 2 };

// The one record of the active profile's settings and of the run-time flags
// shared by the UI thread and the listener thread. Every field is a
// SharedValue, so single reads and writes are safe from either thread; a
// whole load or apply is serialised by the device lock (not here).
//
// Arrays are 1-based: buttons 1..6, stages 1..4. Values read from files are
// kept as read (a hand-edited file can hold anything); the functions of
// ConfigRules.h are the one place that checks them before use as an index.
struct ConfigModel {
    // Settings of the active profile (persisted).
    OneBased<SharedValue<int32_t>, kButtonCount> buttonFunctionCode; // K1..K6
    OneBased<SharedValue<uint8_t>, kStageCount> dpiStageValue;       // DPI value code 0..4 as edited
    OneBased<SharedValue<uint8_t>, kStageCount> dpiStageEnabled;     // 0 or 1
    SharedValue<int32_t> dpiLevel;                                   // active stage, 0-based
    SharedValue<int32_t> wheelStatus;                                // 0 or 1
    SharedValue<uint8_t> ledStatus;                                  // LED mode 0..3

    // Derived when loading or applying (not persisted).
    OneBased<SharedValue<uint8_t>, kStageCount> appliedDpiStageValue; // in effect on the mouse
    SharedValue<uint8_t> appliedLedStatus;
    OneBased<SharedValue<int32_t>, kStageCount> dpiStageRegion;   // main-window region of the stage's value
    OneBased<SharedValue<int32_t>, kButtonCount> buttonDpiAction; // 2 cycle, 1 up, -1 down, 0 none

    // Profile selection: 1..5 names section Config<N>.
    SharedValue<int32_t> profileIndex;

    // Run-time flags.
    SharedValue<bool> driverRunning{true}; // host actions are performed
    SharedValue<int32_t> promptButton;     // first button sent as "report to host"
    SharedValue<bool> promptBlinkOn;       // blink phase of the prompt's number
    SharedValue<bool> promptBlinkStarted;  // a blink thread runs for the last apply
    SharedValue<bool> devicePresent;       // the last discovery found the mouse
    SharedValue<int32_t> editedButtonSlot; // region 17..22 of the button being edited
    SharedValue<uint8_t> currentPage;      // a Page value
    SharedValue<bool> promptBlinkRunning;  // a PromptBlinkThread is running
};

} // namespace z3
