#pragma once

#include "core/macro/MacroRecord.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace z3 {

// The macros of the program: macro i is records[i] for i below `count`;
// records at and beyond `count` are free. `current` is the macro the macro
// page shows. Plain data with the store's editing rules; the shared instance
// lives in a MacroStore, which adds the lock.
struct MacroStoreData {
    static constexpr int kMaxMacros = 12;

    int16_t count = 0;
    int32_t current = 0;
    std::array<MacroRecord, kMaxMacros> records{};

    // Index of the first macro named exactly `name` (unit by unit), or
    // `count` when none is.
    int findMacroByName(std::u16string_view name) const;

    // True for 0 <= index < kMaxMacros: a record that exists in memory.
    static bool isSlot(int index) { return index >= 0 && index < kMaxMacros; }

    // Inserts (code, action, 30 ms) before step `position` of macro `macro`.
    // Returns false and changes nothing when the record already holds 254
    // steps or `macro` is no record. A position beyond the last step appends,
    // so no meaningless slot ever becomes a step.
    bool insertMacroEvent(int macro, int position, uint8_t code, uint8_t action);

    // Removes step `position`; the step count never goes below 0 and the
    // vacated last slot keeps its bytes.
    void deleteMacroEvent(int macro, int position);

    // Makes the macro named `name` current, creating it (blank, repeat count
    // 1) when no macro has that name. Refused (false, nothing changed) when
    // the store is full or the name is empty. The name is cut to 19 units.
    bool createMacro(std::u16string_view name);

    // Removes macro `index`; later macros move down one place. The vacated
    // last record keeps its name and steps but reads as empty (no steps,
    // repeat off, count 1).
    void deleteMacro(int index);
};

} // namespace z3
