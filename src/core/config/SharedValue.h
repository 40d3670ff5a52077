#pragma once

#include <atomic>

namespace z3 {

// A value that the UI thread and the listener thread read and write without a
// lock: a relaxed atomic that still copies and assigns like a plain value, so
// that whole-model snapshots are easy. Use it for independent words and
// flags only; anything that must change together goes under the device lock.
template <typename T> class SharedValue {
public:
    SharedValue(T value = T{})
        : m_value(value)
    { }
    SharedValue(const SharedValue& other)
        : m_value(other.load())
    { }
    SharedValue& operator=(const SharedValue& other)
    {
        store(other.load());
        return *this;
    }
    SharedValue& operator=(T value)
    {
        store(value);
        return *this;
    }
    operator T() const { return load(); }

    T load() const { return m_value.load(std::memory_order_relaxed); }
    void store(T value) { m_value.store(value, std::memory_order_relaxed); }
    T exchange(T value) { return m_value.exchange(value, std::memory_order_relaxed); }

private:
    std::atomic<T> m_value;
};

} // namespace z3
