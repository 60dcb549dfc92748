#include "base/Numbers.h"

#include "base/ScriptError.h"

namespace morvane {

std::optional<std::uint64_t> parseSeed(std::string_view text) {
    if (text.empty() || text.size() > 19) return std::nullopt;
    std::uint64_t seed = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return seed;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t toInteger(std::string_view text) {
    if (auto value = parseInteger(text)) return *value;
    throw ScriptError("'" + std::string(text) + "' is not a valid integer value");
}

std::string toText(std::int32_t value) { return std::to_string(value); }

}  // namespace morvane
