#include "core/macro/MacroStore.h"

namespace z3 {

MacroStoreData MacroStore::snapshot() const
{
    return read([](const MacroStoreData& data) { return data; });
}

void MacroStore::replace(const MacroStoreData& data)
{
    modify([&](MacroStoreData& own) { own = data; });
}

int MacroStore::count() const
{
    return read([](const MacroStoreData& data) { return int{data.count}; });
}

int MacroStore::current() const
{
    return read([](const MacroStoreData& data) { return int{data.current}; });
}

void MacroStore::setCurrent(int index)
{
    modify([&](MacroStoreData& data) { data.current = index; });
}

MacroRecord MacroStore::record(int index) const
{
    return read([&](const MacroStoreData& data) {
        return MacroStoreData::isSlot(index) ? data.records[index] : MacroRecord{};
    });
}

} // namespace z3
