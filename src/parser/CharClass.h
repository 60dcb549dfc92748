#pragma once
// The character classes of the script scanners. Letters are ASCII only:
// accented letters never start or continue a name.
#include <cstddef>
#include <string_view>

namespace morvane {

constexpr bool isScriptDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isScriptLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads the run of digits that starts at `pos` (possibly empty) and moves
// `pos` past it.
inline std::string_view digitRun(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isScriptDigit(text[pos])) ++pos;
    return text.substr(start, pos - start);
}

}  // namespace morvane
