#pragma once

#include "core/macro/MacroStoreData.h"

#include <mutex>
#include <utility>

namespace z3 {

// The one macro store of the program, shared by the user-interface thread
// (which edits it) and the listener thread (which plays macros from it).
// Every access goes through the store's own lock, which is held only for the
// duration of one call and never while calling out of the store, so it cannot
// take part in a deadlock. Readers on other threads take copies.
class MacroStore {
public:
    MacroStore() = default;
    MacroStore(const MacroStore&) = delete;
    MacroStore& operator=(const MacroStore&) = delete;

    // Runs `fn(const MacroStoreData&)` under the lock and returns its result.
    // `fn` must not call back into this store.
    template <class Fn> decltype(auto) read(Fn&& fn) const
    {
        std::lock_guard lock(m_mutex);
        return std::forward<Fn>(fn)(std::as_const(m_data));
    }

    // Runs `fn(MacroStoreData&)` under the lock and returns its result.
    template <class Fn> decltype(auto) modify(Fn&& fn)
    {
        std::lock_guard lock(m_mutex);
        return std::forward<Fn>(fn)(m_data);
    }

    MacroStoreData snapshot() const;
    void replace(const MacroStoreData& data);

    int count() const;
    int current() const;
    void setCurrent(int index);

    // A copy of record `index`; a value-initialised (all zero) record when
    // `index` is no record slot.
    MacroRecord record(int index) const;

private:
    mutable std::mutex m_mutex;
    MacroStoreData m_data;
};

} // namespace z3
