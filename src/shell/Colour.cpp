#include "shell/Colour.h"

#include <array>
#include <optional>
#include <string>

#include "base/ScriptError.h"

namespace morvane {
namespace {

struct NamedColour {
    std::string_view name;  // without the "cl" prefix
    std::uint32_t value;
};

// System colours are 0xFF000000 plus the platform's index of the colour.
constexpr std::uint32_t sys(std::uint32_t index) { return 0xFF000000u + index; }

constexpr std::array kNamedColours = {
    NamedColour{"Black", 0x000000},
    NamedColour{"Maroon", 0x000080},
    NamedColour{"Green", 0x008000},
    NamedColour{"Olive", 0x008080},
    NamedColour{"Navy", 0x800000},
    NamedColour{"Purple", 0x800080},
    NamedColour{"Teal", 0x808000},
    NamedColour{"Gray", 0x808080},
    NamedColour{"Silver", 0xC0C0C0},
    NamedColour{"Red", 0x0000FF},
    NamedColour{"Lime", 0x00FF00},
    NamedColour{"Yellow", 0x00FFFF},
    NamedColour{"Blue", 0xFF0000},
    NamedColour{"Fuchsia", 0xFF00FF},
    NamedColour{"Aqua", 0xFFFF00},
    NamedColour{"White", 0xFFFFFF},
    NamedColour{"MoneyGreen", 0xC0DCC0},
    NamedColour{"SkyBlue", 0xF0CAA6},
    NamedColour{"Cream", 0xF0FBFF},
    NamedColour{"MedGray", 0xA4A0A0},
    NamedColour{"Default", 0x20000000},
    NamedColour{"None", 0x1FFFFFFF},
    NamedColour{"ScrollBar", sys(0)},
    NamedColour{"Background", sys(1)},
    NamedColour{"ActiveCaption", sys(2)},
    NamedColour{"InactiveCaption", sys(3)},
    NamedColour{"Menu", sys(4)},
    NamedColour{"Window", sys(5)},
    NamedColour{"WindowFrame", sys(6)},
    NamedColour{"MenuText", sys(7)},
    NamedColour{"WindowText", sys(8)},
    NamedColour{"CaptionText", sys(9)},
    NamedColour{"ActiveBorder", sys(10)},
    NamedColour{"InactiveBorder", sys(11)},
    NamedColour{"AppWorkSpace", sys(12)},
    NamedColour{"Highlight", sys(13)},
    NamedColour{"HighlightText", sys(14)},
    NamedColour{"BtnFace", sys(15)},
    NamedColour{"BtnShadow", sys(16)},
    NamedColour{"GrayText", sys(17)},
    NamedColour{"BtnText", sys(18)},
    NamedColour{"InactiveCaptionText", sys(19)},
    NamedColour{"BtnHighlight", sys(20)},
    NamedColour{"3DDkShadow", sys(21)},
    NamedColour{"3DLight", sys(22)},
    NamedColour{"InfoText", sys(23)},
    NamedColour{"InfoBk", sys(24)},
    NamedColour{"HotLight", sys(26)},
    NamedColour{"GradientActiveCaption", sys(27)},
    NamedColour{"GradientInactiveCaption", sys(28)},
    NamedColour{"MenuHighlight", sys(29)},
    NamedColour{"MenuBar", sys(30)},
};

constexpr char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

// Reads "$" followed by hexadecimal digits whose value fits 32 bits (leading
// zeros don't count); the 32 bits are the colour as stored, so "$FF000005" is
// a system colour.
std::optional<std::int32_t> parseHexColour(std::string_view text) {
    if (text.size() < 2 || text[0] != '$') return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text.substr(1)) {
        const char l = asciiLower(c);
        std::uint32_t digit;
        if (l >= '0' && l <= '9') {
            digit = std::uint32_t(l - '0');
        } else if (l >= 'a' && l <= 'f') {
            digit = std::uint32_t(l - 'a' + 10);
        } else {
            return std::nullopt;
        }
        if (value > 0x0FFFFFFFu) return std::nullopt;
        value = value * 16 + digit;
    }
    return static_cast<std::int32_t>(value);
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

// Reads a colour: a name (any case, without "cl"), or "$"/"*" and hex digits.
std::int32_t ParseColour(std::string_view text) {
    std::string colour(trimBlanks(text));
    // Scripts write "*" because "$" there starts a variable reference.
    for (char& c : colour) {
        if (c == '*') c = '$';
    }
    if (!colour.empty() && colour[0] == '$') {
        if (auto value = parseHexColour(colour)) return *value;
    } else {
        for (const NamedColour& named : kNamedColours) {
            if (equalIgnoringCase(named.name, colour))
                return static_cast<std::int32_t>(named.value);
        }
    }
    // The conversion failed on the text as rewritten, "$" and all.
    throw ScriptError("'" + colour + "' is not a valid integer value");
}

}  // namespace morvane
