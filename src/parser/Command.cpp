#include "parser/Command.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "parser/CharClass.h"
#include "parser/Condition.h"

namespace morvane {

namespace {

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The bytes after the "<" up to and including the first ">". There is no
// quoting, so a ">" inside a value ends the tag too. Without any ">" the tag
// runs to the end of the source.
std::string_view tagText(std::string_view source, std::size_t position) {
    const std::string_view rest = source.substr(position + 1);
    const std::size_t end = rest.find('>');
    return end == std::string_view::npos ? rest : rest.substr(0, end + 1);
}

// A marker such as "<12>" that opens a location in the story; "<>" counts too.
bool isLocationMarker(std::string_view text) {
    for (char c : text) {
        if (!isScriptDigit(c) && c != '>') return false;
    }
    return true;
}

// Reads an attribute name: ASCII letters (upper-cased) and digits are kept,
// every other byte (blanks, line breaks, "_", accented letters) is dropped.
std::string attributeName(std::string_view written) {
    std::string name;
    for (char c : written) {
        if (isScriptLetter(c) || isScriptDigit(c)) name += asciiUpper(c);
    }
    return name;
}

// Reads the attributes that follow the tag name, from `i` (the separator byte
// right after the name) to the tag's ">". Those past kMaxAttributes are read
// over but not kept.
void readAttributes(std::string_view text, std::size_t i, tagg& tag, TagFlaws& flaws) {
    constexpr auto npos = std::string_view::npos;
    // Gathered here first so that the record's list is allocated just once.
    std::array<param, kMaxAttributes> found;
    std::size_t count = 0;
    while (i < text.size() && text[i] != '>') {
        ++i;  // the separator after the name, or the closing quote of a value
        while (i < text.size() && text[i] == ' ') ++i;
        if (i >= text.size() || text[i] == '>') break;
        // An attribute that the tag's end cuts short is left out; no complete
        // attribute can follow it, since its "=" or quote was the last one.
        const std::size_t equals = text.find('=', i);
        const std::size_t open = equals == npos ? npos : text.find('"', equals);
        const std::size_t close = open == npos ? npos : text.find('"', open + 1);
        if (close == npos) {
            flaws.cutAttribute = true;
            break;
        }
        if (count < found.size()) {
            found[count].nazev = attributeName(text.substr(i, equals - i));
            found[count++].hodnota.assign(text.substr(open + 1, close - open - 1));
        } else {
            ++flaws.extraAttributes;
        }
        i = close;
    }
    const auto end = found.begin() + static_cast<std::ptrdiff_t>(count);
    tag.parametry.assign(std::make_move_iterator(found.begin()), std::make_move_iterator(end));
}

// Finds the bytes that the scan acts on ("[", "]" and "<") with one memchr
// per byte kind, instead of looking at every byte of the text between them.
class MeaningfulBytes {
public:
    explicit MeaningfulBytes(std::string_view source) : source_(source) {
        for (std::size_t k = 0; k < kKinds; ++k) next_[k] = find(kBytes[k], 0);
    }

    // The first meaningful byte at or after `position`; the source's size
    // when there is none.
    std::size_t from(std::size_t position) {
        std::size_t first = source_.size();
        for (std::size_t k = 0; k < kKinds; ++k) {
            if (next_[k] < position) next_[k] = find(kBytes[k], position);
            first = std::min(first, next_[k]);
        }
        return first;
    }

private:
    static constexpr std::size_t kKinds = 3;
    static constexpr char kBytes[kKinds] = {'[', ']', '<'};

    std::size_t find(char c, std::size_t position) const {
        const std::size_t at = source_.find(c, position);
        return at == std::string_view::npos ? source_.size() : at;
    }

    std::string_view source_;
    std::size_t next_[kKinds]{};
};

}  // namespace

// Reads one tag: a name of ASCII letters, a separator byte, then name="value"
// pairs separated by blanks, up to the first ">".
std::optional<tagg> ParseTag(std::string_view source, std::size_t position) {
    TagFlaws unused;
    return ParseTag(source, position, unused);
}

std::optional<tagg> ParseTag(std::string_view source, std::size_t position, TagFlaws& flaws) {
    const std::string_view text = tagText(source, position);
    if (isLocationMarker(text)) return std::nullopt;
    flaws.unclosed = text.empty() || text.back() != '>';
    tagg tag;
    std::size_t i = 0;
    while (i < text.size() && isScriptLetter(text[i])) ++i;
    tag.nazev.assign(text.substr(0, i));
    for (char& c : tag.nazev) c = asciiUpper(c);
    readAttributes(text, i, tag, flaws);
    return tag;
}

// Reads a location's source byte by byte: "[" opens or ("[/") closes a block,
// "]" ends a bracket, "<" outside a bracket is a tag. Nothing a tag or a
// bracket consumed is skipped: the walk goes on at the very next byte.
void ScanLocation(std::string_view source, LocationCommands& commands,
                  std::int32_t& conditionCounter, ScanEvents* events) {
    // Blocks nested past the stack's capacity are only counted, so that
    // their closing brackets still pair up.
    std::int32_t unrecordedBlocks = 0;
    if (commands.hloubka < 0) commands.hloubka = 0;
    if (commands.hloubka > kMaxNesting) commands.hloubka = kMaxNesting;
    bool inBracket = false;
    MeaningfulBytes bytes(source);
    for (std::size_t i = bytes.from(0); i < source.size(); i = bytes.from(i + 1)) {
        const char c = source[i];
        if (c == ']') {
            inBracket = false;
        } else if (c == '[') {
            inBracket = true;
            const bool closing = i + 1 < source.size() && source[i + 1] == '/';
            if (closing && unrecordedBlocks > 0) {
                --unrecordedBlocks;
                if (events) events->blockClosed(i, true);
            } else if (closing) {
                if (events) events->blockClosed(i, commands.hloubka > 0);
                if (commands.hloubka > 0) --commands.hloubka;
            } else if (commands.hloubka == kMaxNesting) {
                ++unrecordedBlocks;
                if (events) events->blockOpened(i, podminka{}, false);
            } else {
                auto& slot = commands.zasobnik[static_cast<std::size_t>(commands.hloubka++)];
                slot = ParseCondition(source, i + 1, conditionCounter);
                if (events) events->blockOpened(i, slot, true);
            }
        } else if (c == '<' && !inBracket) {
            TagFlaws flaws;
            std::optional<tagg> tag = ParseTag(source, i, flaws);
            if (!tag) continue;
            const bool full = commands.prikazy.size() >= static_cast<std::size_t>(kMaxCommands);
            if (events) events->tag(i, *tag, flaws, !full && unrecordedBlocks == 0);
            if (unrecordedBlocks > 0) continue;
            if (full) return;
            const auto open = commands.zasobnik.begin();
            commands.prikazy.push_back(
                prikaz{std::move(*tag), std::vector<podminka>(open, open + commands.hloubka)});
        }
    }
}

}  // namespace morvane
