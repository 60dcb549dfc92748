#pragma once
// A stored text of fixed capacity: one length byte, then N character bytes.
// This is how every text field sits inside a file record, so the layout is
// exactly 1 + N bytes with no padding. Bytes past the length are left as they
// are: they belong to the file and are written back unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace morvane {

template <std::size_t N>
struct ShortString {
    static_assert(N >= 1 && N <= 255, "a length byte holds at most 255");
    std::uint8_t length;
    char chars[N];

    // Assigning longer text cuts it to N bytes.
    void assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        if (n > 0) std::memcpy(chars, text.data(), n);
        length = static_cast<std::uint8_t>(n);
    }
    ShortString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    // A length byte larger than the capacity (possible in a foreign file)
    // is read as the full capacity, never past it.
    std::size_t size() const { return std::min<std::size_t>(length, N); }
    std::string_view view() const { return std::string_view(chars, size()); }
    std::string str() const { return std::string(view()); }
    bool empty() const { return size() == 0; }
    static constexpr std::size_t capacity() { return N; }
};

template <std::size_t N>
bool operator==(const ShortString<N>& a, std::string_view b) {
    return a.view() == b;
}

static_assert(sizeof(ShortString<100>) == 101);
static_assert(alignof(ShortString<100>) == 1);

}  // namespace morvane
