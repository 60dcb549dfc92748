#include "console/JsonWriter.h"

#include <array>
#include <charconv>

#include <nlohmann/json.hpp>

namespace morvane {
namespace {

// The length of the well-formed UTF-8 sequence at `at` (its lead byte is
// 0x80 or above), or 0 when it is not one: no overlong forms, no
// surrogates, nothing past U+10FFFF.
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) {
        return at + k < text.size() ? static_cast<unsigned char>(text[at + k]) : 0u;
    };
    const auto tail = [&](std::size_t k, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return byte(k) >= lo && byte(k) <= hi;
    };
    const unsigned lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF) return tail(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned lo = lead == 0xE0 ? 0xA0 : 0x80, hi = lead == 0xED ? 0x9F : 0xBF;
        return tail(1, lo, hi) && tail(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned lo = lead == 0xF0 ? 0x90 : 0x80, hi = lead == 0xF4 ? 0x8F : 0xBF;
        return tail(1, lo, hi) && tail(2) && tail(3) ? 4 : 0;
    }
    return 0;
}

// How a byte below 0x20, a quote or a backslash is written; nothing for a
// byte written as it is.
std::string_view escapeOf(unsigned char c, char (&buffer)[7]) {
    switch (c) {
        case '"': return "\\\"";
        case '\\': return "\\\\";
        case '\b': return "\\b";
        case '\f': return "\\f";
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: break;
    }
    if (c >= 0x20) return {};
    static const char kHex[] = "0123456789abcdef";
    buffer[0] = '\\', buffer[1] = 'u', buffer[2] = '0', buffer[3] = '0';
    buffer[4] = kHex[c >> 4], buffer[5] = kHex[c & 15], buffer[6] = 0;
    return {buffer, 6};
}

}  // namespace

void JsonWriter::key(std::string_view name) {
    separate();
    escaped(name);
    out_ += ':';
}

void JsonWriter::value(std::string_view text) {
    separate();
    escaped(text);
    comma_ = true;
}

void JsonWriter::escaped(std::string_view text) {
    // Bytes written as they are need no look beyond this table.
    static const std::array<bool, 256> plainByte = [] {
        std::array<bool, 256> t{};
        for (int c = 0x20; c < 0x80; ++c) t[c] = c != '"' && c != '\\';
        return t;
    }();
    const std::size_t start = out_.size();
    out_ += '"';
    std::size_t plain = 0;  // start of the run not yet copied
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (plainByte[c]) {
            ++i;
            continue;
        }
        if (c >= 0x80) {
            const std::size_t length = sequenceLength(text, i);
            if (length == 0) {
                // Rare enough (every text the engine shows is converted to
                // UTF-8) that the library's own replacement rules do it.
                out_.resize(start);
                out_ += nlohmann::json(std::string(text)).dump(
                    -1, ' ', false, nlohmann::json::error_handler_t::replace);
                return;
            }
            i += length;
            continue;
        }
        char buffer[7];
        const std::string_view escape = escapeOf(c, buffer);
        if (!escape.empty()) {
            out_.append(text, plain, i - plain);
            out_ += escape;
            plain = i + 1;
        }
        ++i;
    }
    out_.append(text, plain);
    out_ += '"';
}

void JsonWriter::putSigned(std::int64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    put({digits, static_cast<std::size_t>(end - digits)});
}

void JsonWriter::putUnsigned(std::uint64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    put({digits, static_cast<std::size_t>(end - digits)});
}

}  // namespace morvane
