#include "core/macro/MacroRecord.h"

#include <algorithm>

namespace z3 {

MacroRecord MacroRecord::blank()
{
    MacroRecord record;
    record.setRepeatCount(1);
    return record;
}

uint16_t MacroRecord::repeatCount() const
{
    return static_cast<uint16_t>(repeatCountBytes[0] | (repeatCountBytes[1] << 8));
}

void MacroRecord::setRepeatCount(uint16_t count)
{
    repeatCountBytes[0] = static_cast<uint8_t>(count & 0xFF);
    repeatCountBytes[1] = static_cast<uint8_t>(count >> 8);
}

MacroEvent MacroRecord::event(size_t slot) const
{
    return {eventKeys[slot].code, eventKeys[slot].action, eventDelays[slot]};
}

void MacroRecord::setEvent(size_t slot, MacroEvent step)
{
    eventKeys[slot] = {step.code, step.action};
    eventDelays[slot] = step.delayMs;
}

std::u16string_view MacroRecord::nameView() const
{
    const auto end = std::find(name.begin(), name.end(), u'\0');
    return {name.data(), static_cast<size_t>(end - name.begin())};
}

void MacroRecord::setName(std::u16string_view text)
{
    size_t length = std::min(text.size(), kMaxNameLength);
    // A high surrogate whose low half was cut off would leave a broken name.
    if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF
        && text[length] >= 0xDC00 && text[length] <= 0xDFFF)
        --length;
    name.fill(u'\0');
    std::copy_n(text.begin(), length, name.begin());
}

} // namespace z3
