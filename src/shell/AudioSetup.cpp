#include "shell/AudioSetup.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "base/Files.h"
#include "base/Numbers.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "shell/Audio.h"

namespace morvane {
namespace {

constexpr std::int32_t kUnreadableVolume = 128;

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::size_t skipDigits(std::string_view text, std::size_t i, bool& nonZero) {
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) nonZero |= text[i] != '0';
    return i;
}

// Reads a decimal number, with an optional fraction and exponent, and tells
// whether it is other than zero; nothing when the text is no number.
std::optional<bool> numberIsNonZero(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool nonZero = false;
    const std::size_t intStart = i;
    i = skipDigits(text, i, nonZero);
    std::size_t digits = i - intStart;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        const std::size_t fracStart = ++i;
        i = skipDigits(text, i, nonZero);
        digits += i - fracStart;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        if (++i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        bool ignored = false;
        const std::size_t expStart = i;
        i = skipDigits(text, i, ignored);
        if (i == expStart) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return nonZero;
}

// Reads a switch line: "True" or "False" in any letter case, or a number
// (0 is false, any other number true).
std::optional<bool> parseSwitch(std::string_view line) {
    line = trimBlanks(line);
    const std::string lower = lowerCase(line);
    if (lower == "true") return true;
    if (lower == "false") return false;
    return numberIsNonZero(line);
}

// Reads a volume line: a decimal integer, not limited to 0..255.
std::optional<std::int32_t> parseVolume(std::string_view line) {
    return parseInteger(trimBlanks(line));
}

}  // namespace

void ApplyAudioSetup(TAudio& audio, std::string_view text) {
    const std::vector<std::string> lines = splitLines(text);
    if (lines.size() > 0) audio.zvukyzapnuty = parseSwitch(lines[0]).value_or(true);
    if (lines.size() > 1) audio.hudbazapnuta = parseSwitch(lines[1]).value_or(true);
    if (lines.size() > 2) audio.hlasitostzvuku = parseVolume(lines[2]).value_or(kUnreadableVolume);
    if (lines.size() > 3) audio.hlasitosthudby = parseVolume(lines[3]).value_or(kUnreadableVolume);
}

void ReadAudioSetup(TAudio& audio, const std::filesystem::path& file) {
    if (const auto text = readTextFile(file)) ApplyAudioSetup(audio, *text);
}

std::string AudioSetupText(const TAudio& audio) {
    const auto word = [](bool on) { return std::string(on ? "True" : "False"); };
    return word(audio.zvukyzapnuty) + "\r\n" + word(audio.hudbazapnuta) + "\r\n" +
           toText(audio.hlasitostzvuku) + "\r\n" + toText(audio.hlasitosthudby);
}

bool WriteAudioSetup(const TAudio& audio, const std::filesystem::path& file) {
    return writeFileAtomically(file, AudioSetupText(audio));
}

}  // namespace morvane
