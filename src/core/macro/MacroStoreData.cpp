#include "core/macro/MacroStoreData.h"

#include <algorithm>

namespace z3 {

int MacroStoreData::findMacroByName(std::u16string_view name) const
{
    const int limit = std::clamp<int>(count, 0, kMaxMacros);
    for (int i = 0; i < limit; ++i) {
        if (records[i].nameView() == name)
            return i;
    }
    return count;
}

bool MacroStoreData::insertMacroEvent(int macro, int position, uint8_t code, uint8_t action)
{
    if (!isSlot(macro))
        return false;
    MacroRecord& record = records[macro];
    const int oldCount = std::min<int>(record.eventCount, MacroRecord::kStepSlots);
    if (oldCount + 1 > MacroRecord::kMaxInsertedSteps)
        return false;
    const int at = std::clamp(position, 0, oldCount);
    for (int slot = oldCount; slot > at; --slot)
        record.setEvent(slot, record.event(slot - 1));
    record.setEvent(at, {code, action, MacroRecord::kDefaultDelayMs});
    record.eventCount = static_cast<uint8_t>(oldCount + 1);
    return true;
}

void MacroStoreData::deleteMacroEvent(int macro, int position)
{
    if (!isSlot(macro))
        return;
    MacroRecord& record = records[macro];
    const int oldCount = record.eventCount;
    const int newCount = std::max(oldCount - 1, 0);
    record.eventCount = static_cast<uint8_t>(newCount);
    if (position < 0)
        return;
    for (int slot = position; slot < newCount; ++slot)
        record.setEvent(slot, record.event(slot + 1));
}

bool MacroStoreData::createMacro(std::u16string_view name)
{
    if (count >= kMaxMacros || name.empty())
        return false;
    MacroRecord candidate;
    candidate.setName(name);
    current = findMacroByName(candidate.nameView());
    if (current == count && isSlot(count)) {
        records[count] = MacroRecord::blank();
        records[count].setName(name);
        ++count;
    }
    return true;
}

void MacroStoreData::deleteMacro(int index)
{
    const int oldCount = std::clamp<int>(count, 0, kMaxMacros);
    if (index < 0 || index >= oldCount)
        return;
    for (int i = index; i + 1 < oldCount; ++i)
        records[i] = records[i + 1];
    MacroRecord& vacated = records[oldCount - 1];
    vacated.repeatFlag = 0;
    vacated.setRepeatCount(1);
    vacated.eventCount = 0;
    count = static_cast<int16_t>(oldCount - 1);
}

} // namespace z3
