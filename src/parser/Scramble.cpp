#include "parser/Scramble.h"

#include "base/Files.h"
#include "base/TextFile.h"

namespace morvane {
namespace {

// The separator's value is never read; a blank keeps it away from 0x1A.
constexpr char kSeparator = ' ';
constexpr unsigned kHeaderShift = 10;
constexpr unsigned kBodyShift = 8;

char shifted(char c, unsigned by) { return static_cast<char>(static_cast<unsigned char>(c) + by); }

}  // namespace

std::string scrambleText(std::string_view plain, std::string_view gameName) {
    std::string out;
    out.reserve(gameName.size() + 1 + plain.size());
    for (std::size_t i = 0; i < gameName.size(); ++i)
        out += shifted(gameName[i], kHeaderShift + static_cast<unsigned>(i + 1));
    out += kSeparator;
    for (char c : plain) out += shifted(c, kBodyShift);
    return out;
}

bool scrambleFile(const std::filesystem::path& plainFile,
                  const std::filesystem::path& scrambledFile, std::string_view gameName) {
    const auto plain = readTextFile(plainFile);
    return plain && writeFileAtomically(scrambledFile, scrambleText(*plain, gameName));
}

// Reads the header, drops the separator and unshifts the body.
UnscrambledText unscrambleText(std::string_view scrambled, std::size_t headerLength) {
    const std::string_view text = textPart(scrambled);
    UnscrambledText out;
    const std::size_t header = std::min(headerLength, text.size());
    for (std::size_t i = 0; i < header; ++i)
        out.header += shifted(text[i], 0u - kHeaderShift - static_cast<unsigned>(i + 1));
    const std::size_t bodyStart = std::min(header + 1, text.size());
    out.body.reserve(text.size() - bodyStart);
    for (char c : text.substr(bodyStart)) out.body += shifted(c, 0u - kBodyShift);
    return out;
}

}  // namespace morvane
