#include "base/Win1250.h"

#include <array>
#include <cstdint>

namespace morvane {
namespace {

// Unicode code points of the bytes 0x80..0xFF; 0xFFFD marks a byte that has
// no character in the code page.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char byteFor(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp == 0xFFFD) return '?';
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// Reads one code point at i and advances i; a malformed sequence yields
// U+FFFD and consumes one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if (b0 < 0xC0 || b0 >= 0xF8 || i + extra >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = b0 & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return cp;
}

}  // namespace

std::string toUtf8(std::string_view win1250) {
    std::string out;
    out.reserve(win1250.size() + win1250.size() / 4);
    for (char c : win1250) {
        const auto b = static_cast<std::uint8_t>(c);
        appendUtf8(out, b < 0x80 ? b : kHighHalf[b - 0x80]);
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) out += byteFor(nextCodePoint(utf8, i));
    return out;
}

std::size_t FirstNonUtf8(std::string_view text) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD written out
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        if (nextCodePoint(text, i) == 0xFFFD && text.substr(at, 3) != kReplacement) return at;
    }
    return std::string_view::npos;
}

char upperCase(char c) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    // Pairs in the high half: the lower-case letter sits 0x10 or 0x20 above.
    switch (b) {
        case 0x9A: case 0x9C: case 0x9D: case 0x9E: case 0x9F:
            return static_cast<char>(b - 0x10);
        case 0xB3: return static_cast<char>(0xA3);
        case 0xB9: return static_cast<char>(0xA5);
        case 0xBA: return static_cast<char>(0xAA);
        case 0xBE: return static_cast<char>(0xBC);
        case 0xBF: return static_cast<char>(0xAF);
        default: break;
    }
    if (b >= 0xE0 && b != 0xF7 && b != 0xFF) return static_cast<char>(b - 0x20);
    return c;
}

char lowerCase(char c) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
    switch (b) {
        case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F:
            return static_cast<char>(b + 0x10);
        case 0xA3: return static_cast<char>(0xB3);
        case 0xA5: return static_cast<char>(0xB9);
        case 0xAA: return static_cast<char>(0xBA);
        case 0xBC: return static_cast<char>(0xBE);
        case 0xAF: return static_cast<char>(0xBF);
        default: break;
    }
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
    return c;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperCase(c);
    return out;
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerCase(c);
    return out;
}

}  // namespace morvane
