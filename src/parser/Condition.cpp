#include "parser/Condition.h"

#include <array>

#include "base/Numbers.h"
#include "parser/CharClass.h"

namespace morvane {

namespace {

struct KeyWord {
    std::string_view word;
    std::int32_t code;  // klic; 0 for the two words that set a flag instead
};

// "PREDMET" and "OBJEKT" set the flags of the same names; the rest set klic.
constexpr std::array<KeyWord, 18> kKeyWords{{
    {"PENIZE", 1},      {"ZKUSENOSTI", 2},  {"ZIVOTY", 3},      {"MAXZIVOTY", 4},
    {"MANA", 5},        {"MAXMANA", 6},     {"SILA", 7},        {"OBRATNOST", 8},
    {"RYCHLOST", 9},    {"ENERGIE", 10},    {"CISLOZBRANE", 11}, {"CISLOZBROJE", 12},
    {"ZBRANI", 13},     {"ZBROJI", 14},     {"ZBRANIALL", 15},  {"ZBROJIALL", 16},
    {"PREDMET", 0},     {"OBJEKT", 0},
}};

bool isOperandByte(char c) { return isScriptLetter(c) || isScriptDigit(c) || c == '$'; }
bool isComparisonByte(char c) { return c == '<' || c == '=' || c == '>'; }
char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Marks the condition with the key that `word` spells so far, if any. Called
// after every letter, so a key is taken as soon as its letters are all there
// and a longer key ("ZBRANIALL" after "ZBRANI") replaces it later.
void recogniseKey(std::string_view word, podminka& condition) {
    for (const KeyWord& key : kKeyWords) {
        if (word != key.word) continue;
        if (key.code != 0) condition.klic = key.code;
        else if (word == "PREDMET") condition.predmet = 1;
        else condition.objekt = 1;
    }
}

// A cursor over the condition text, which ends at the first "]".
struct Reader {
    std::string_view text;
    std::size_t i = 0;

    bool has(bool (*test)(char)) const { return i < text.size() && test(text[i]); }
    void skipBlanks() {
        while (i < text.size() && text[i] == ' ') ++i;
    }
    // The run of bytes that pass `test`; the record keeps the first 50.
    std::string_view run(bool (*test)(char)) {
        const std::size_t from = i;
        while (has(test)) ++i;
        return text.substr(from, i - from);
    }
};

// The condition text: from `start` up to and including the first "]", or to
// the end of the text when the bracket is never closed.
std::string_view conditionText(std::string_view text, std::size_t start) {
    if (start >= text.size()) return {};
    const std::string_view rest = text.substr(start);
    const std::size_t end = rest.find(']');
    return end == std::string_view::npos ? rest : rest.substr(0, end + 1);
}

}  // namespace

std::vector<std::string_view> ConditionKeyWords() {
    std::vector<std::string_view> words;
    for (const KeyWord& key : kKeyWords) words.push_back(key.word);
    return words;
}

// Reads [key] left comparison ["]right: an optional key word, the left
// operand, the operator, a quote for a literal right operand, the right
// operand; anything after it up to the "]" is ignored.
podminka ParseCondition(std::string_view text, std::size_t start, std::int32_t& counter) {
    std::string unused;
    return ParseCondition(text, start, counter, unused);
}

podminka ParseCondition(std::string_view text, std::size_t start, std::int32_t& counter,
                        std::string& word) {
    podminka condition{};
    counter = wrapAdd(counter, 1);
    condition.cislo = counter;

    Reader in{conditionText(text, start)};
    in.skipBlanks();
    word.clear();
    while (in.has(isScriptLetter)) {
        word += asciiUpper(in.text[in.i++]);
        recogniseKey(word, condition);
    }
    in.skipBlanks();
    condition.levy.assign(in.run(isOperandByte));
    in.skipBlanks();
    condition.porovnani.assign(in.run(isComparisonByte));
    in.skipBlanks();
    const bool literal = in.i < in.text.size() && in.text[in.i] == '"';
    if (literal) ++in.i;
    condition.pravyjepromenna = literal ? 0 : 1;
    in.skipBlanks();
    condition.pravy.assign(in.run(isOperandByte));
    return condition;
}

}  // namespace morvane
