#pragma once
// A fixed-capacity table numbered from 1, as scripts number their entries.
// Every access by a number that came from a script goes through find(),
// which answers nullptr outside 1..N instead of touching memory outside.
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

namespace morvane {

template <class T, std::size_t N>
struct Table {
    std::array<T, N> items{};

    static constexpr std::int32_t size() { return static_cast<std::int32_t>(N); }
    static constexpr bool valid(std::int32_t n) { return n >= 1 && n <= size(); }

    T* find(std::int32_t n) { return valid(n) ? &items[static_cast<std::size_t>(n - 1)] : nullptr; }
    const T* find(std::int32_t n) const {
        return valid(n) ? &items[static_cast<std::size_t>(n - 1)] : nullptr;
    }
    // For numbers the engine itself produced and knows to be in range.
    T& operator[](std::int32_t n) {
        assert(valid(n));
        return items[static_cast<std::size_t>(n - 1)];
    }
    const T& operator[](std::int32_t n) const {
        assert(valid(n));
        return items[static_cast<std::size_t>(n - 1)];
    }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
};

}  // namespace morvane
