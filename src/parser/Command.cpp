#include "parser/Command.h"

#include "parser/Condition.h"

namespace morvane {

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
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
        if (!isDigit(c) && c != '>') return false;
    }
    return true;
}

// Reads an attribute name: ASCII letters (upper-cased) and digits are kept,
// every other byte (blanks, line breaks, "_", accented letters) is dropped.
std::string attributeName(std::string_view written) {
    std::string name;
    for (char c : written) {
        if (isAsciiLetter(c) || isDigit(c)) name += asciiUpper(c);
    }
    return name;
}

// Reads the attributes that follow the tag name, from `i` (the separator byte
// right after the name) to the tag's ">".
void readAttributes(std::string_view text, std::size_t i, tagg& tag) {
    constexpr auto npos = std::string_view::npos;
    while (i < text.size() && text[i] != '>') {
        ++i;  // the separator after the name, or the closing quote of a value
        while (i < text.size() && text[i] == ' ') ++i;
        if (i >= text.size() || text[i] == '>') return;
        // An attribute that the tag's end cuts short is left out; no complete
        // attribute can follow it, since its "=" or quote was the last one.
        const std::size_t equals = text.find('=', i);
        if (equals == npos) return;
        const std::size_t open = text.find('"', equals);
        if (open == npos) return;
        const std::size_t close = text.find('"', open + 1);
        if (close == npos) return;
        if (tag.parametry.size() < static_cast<std::size_t>(kMaxAttributes)) {
            tag.parametry.push_back(param{attributeName(text.substr(i, equals - i)),
                                          std::string(text.substr(open + 1, close - open - 1))});
        }
        i = close;
    }
}

}  // namespace

// Reads one tag: a name of ASCII letters, a separator byte, then name="value"
// pairs separated by blanks, up to the first ">".
std::optional<tagg> ParseTag(std::string_view source, std::size_t position) {
    const std::string_view text = tagText(source, position);
    if (isLocationMarker(text)) return std::nullopt;
    tagg tag;
    std::size_t i = 0;
    while (i < text.size() && isAsciiLetter(text[i])) tag.nazev += asciiUpper(text[i++]);
    readAttributes(text, i, tag);
    return tag;
}

// Reads a location's source byte by byte: "[" opens or ("[/") closes a block,
// "]" ends a bracket, "<" outside a bracket is a tag. Nothing a tag or a
// bracket consumed is skipped: the walk goes on at the very next byte.
void ScanLocation(std::string_view source, LocationCommands& commands,
                  std::int32_t& conditionCounter) {
    // Blocks nested past the stack's capacity are only counted, so that
    // their closing brackets still pair up.
    std::int32_t unrecordedBlocks = 0;
    if (commands.hloubka < 0) commands.hloubka = 0;
    if (commands.hloubka > kMaxNesting) commands.hloubka = kMaxNesting;
    bool inBracket = false;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == ']') {
            inBracket = false;
        } else if (c == '[') {
            inBracket = true;
            const bool closing = i + 1 < source.size() && source[i + 1] == '/';
            if (closing && unrecordedBlocks > 0) {
                --unrecordedBlocks;
            } else if (closing) {
                if (commands.hloubka > 0) --commands.hloubka;
            } else if (commands.hloubka == kMaxNesting) {
                ++unrecordedBlocks;
            } else {
                commands.zasobnik[static_cast<std::size_t>(commands.hloubka++)] =
                    ParseCondition(source, i + 1, conditionCounter);
            }
        } else if (c == '<' && !inBracket) {
            std::optional<tagg> tag = ParseTag(source, i);
            if (!tag || unrecordedBlocks > 0) continue;
            if (commands.prikazy.size() >= static_cast<std::size_t>(kMaxCommands)) return;
            const auto open = commands.zasobnik.begin();
            commands.prikazy.push_back(
                prikaz{std::move(*tag), std::vector<podminka>(open, open + commands.hloubka)});
        }
    }
}

}  // namespace morvane
