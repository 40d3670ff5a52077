#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace z3 {

// Step codes and actions of a macro. Key steps carry Windows virtual-key
// codes (files stay exchangeable with the Windows version of the program).
namespace MacroCode {
inline constexpr uint8_t LeftButton = 240;
inline constexpr uint8_t RightButton = 241;
inline constexpr uint8_t MiddleButton = 242;
} // namespace MacroCode

namespace MacroAction {
inline constexpr uint8_t Press = 1;
inline constexpr uint8_t Release = 2;
} // namespace MacroAction

// One step: press or release `code`, then wait `delayMs`. Actions other than
// press and release are kept as they are but play nothing.
struct MacroEvent {
    uint8_t code = 0;
    uint8_t action = 0;
    uint16_t delayMs = 0;

    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

// Code and action of one step slot, as the record keeps them.
struct MacroKey {
    uint8_t code = 0;
    uint8_t action = 0;
};

// One macro: a fixed 1064-byte record. All code/action pairs come ahead of all
// pauses; the file interleaves them per step (see MacroFileCodec). Slots at
// and beyond `eventCount` carry no meaning but are kept byte for byte.
// A value-initialised record is all zero bytes.
struct MacroRecord {
    static constexpr size_t kNameUnits = 20;
    static constexpr size_t kMaxNameLength = kNameUnits - 1; // plus the terminating zero
    static constexpr size_t kStepSlots = 255;
    static constexpr int kMaxInsertedSteps = 254;
    static constexpr uint16_t kDefaultDelayMs = 30;

    std::array<char16_t, kNameUnits> name{};
    uint8_t repeatFlag = 0;
    std::array<uint8_t, 2> repeatCountBytes{}; // low byte first
    uint8_t eventCount = 0;
    std::array<MacroKey, kStepSlots> eventKeys{};
    std::array<uint16_t, kStepSlots> eventDelays{};

    // All bytes zero except a repeat count of 1: a freshly created macro.
    static MacroRecord blank();

    uint16_t repeatCount() const;
    void setRepeatCount(uint16_t count);

    // Step `slot` (0..254) with its pause; callers check the slot.
    MacroEvent event(size_t slot) const;
    void setEvent(size_t slot, MacroEvent step);

    // The name up to its terminating zero (all 20 units when there is none).
    std::u16string_view nameView() const;
    // Stores `text` cut to 19 units (never between the two halves of a
    // surrogate pair) and zeroes every unit after it.
    void setName(std::u16string_view text);
};

static_assert(sizeof(MacroRecord) == 1064);
static_assert(offsetof(MacroRecord, repeatFlag) == 40);
static_assert(offsetof(MacroRecord, repeatCountBytes) == 41);
static_assert(offsetof(MacroRecord, eventCount) == 43);
static_assert(offsetof(MacroRecord, eventKeys) == 44);
static_assert(offsetof(MacroRecord, eventDelays) == 554);

} // namespace z3
