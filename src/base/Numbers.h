#pragma once
// Script numbers: 32-bit signed, wrapping around on overflow (two's
// complement), so a script that overflows a value gets the same result on
// every machine instead of undefined behaviour; and the strict text-to-integer
// conversion that every numeric script attribute goes through.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Wrapping arithmetic, done on unsigned values so that no signed overflow
// ever happens in C++.
constexpr std::int32_t wrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t wrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
constexpr std::int32_t wrapMul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
constexpr std::int32_t wrapNeg(std::int32_t a) { return wrapSub(0, a); }
// Truncating division; INT32_MIN / -1 wraps to INT32_MIN instead of trapping.
// The divisor must not be zero: callers report that case themselves.
constexpr std::int32_t wrapDiv(std::int32_t a, std::int32_t b) {
    return (b == -1) ? wrapNeg(a) : a / b;
}
constexpr std::int32_t wrapMod(std::int32_t a, std::int32_t b) {
    return (b == -1) ? 0 : a % b;
}

// Optional leading blanks, an optional sign, decimal digits, a value that fits
// 32 bits; nothing else (no trailing blanks). Empty when the text is not one.
std::optional<std::int32_t> parseInteger(std::string_view text);

// As parseInteger, but a text that is not an integer raises ScriptError with
// "'<text>' is not a valid integer value".
std::int32_t toInteger(std::string_view text);

// The seed a player gives on the command line: 1 to 19 decimal digits, so
// that every value fits 64 bits. Empty when the text is not one.
std::optional<std::uint64_t> parseSeed(std::string_view text);

// The decimal text of a number, as scripts and screens show it.
std::string toText(std::int32_t value);

}  // namespace morvane
