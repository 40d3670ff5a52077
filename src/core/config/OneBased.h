#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace z3 {

// A fixed array indexed 1..N, so that code reads like the tables it follows
// ("button 1..6", "stage 1..4"). Indices come from code, never from files:
// values read from files are checked before they index anything.
template <typename T, size_t N> class OneBased {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = static_cast<int>(N);

    static constexpr bool contains(int index) { return index >= kFirst && index <= kLast; }

    T& operator[](int index)
    {
        assert(contains(index));
        return m_items[static_cast<size_t>(index - 1)];
    }
    const T& operator[](int index) const
    {
        assert(contains(index));
        return m_items[static_cast<size_t>(index - 1)];
    }

private:
    std::array<T, N> m_items{};
};

} // namespace z3
