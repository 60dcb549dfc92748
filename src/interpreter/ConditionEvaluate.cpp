#include "interpreter/ConditionEvaluate.h"

#include <optional>

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "interpreter/Substitute.h"

namespace morvane {

namespace {

enum class Comparison { Less, Greater, NotEqual, Equal, AtLeast, AtMost, Unknown };

// Both spellings of the two-character operators are accepted; any other text
// (the empty one included) is an unknown operator.
Comparison comparisonOf(std::string_view text) {
    if (text == "<") return Comparison::Less;
    if (text == ">") return Comparison::Greater;
    if (text == "<>" || text == "><") return Comparison::NotEqual;
    if (text == "=") return Comparison::Equal;
    if (text == ">=" || text == "=>") return Comparison::AtLeast;
    if (text == "<=" || text == "=<") return Comparison::AtMost;
    return Comparison::Unknown;
}

// An unknown operator holds when the values differ.
bool compare(Comparison op, std::int32_t value, std::int32_t right) {
    switch (op) {
        case Comparison::Less: return value < right;
        case Comparison::Greater: return value > right;
        case Comparison::Equal: return value == right;
        case Comparison::AtLeast: return value >= right;
        case Comparison::AtMost: return value <= right;
        case Comparison::NotEqual:
        case Comparison::Unknown: break;
    }
    return value != right;
}

// Numbers that name no variable or no table entry read as 0: nothing there,
// nothing owned.
std::int32_t variable(const Game& game, std::int32_t n) {
    if (n < 1 || n > kIntegerVariables) return 0;
    return game.stavhry.promenne[n - 1];
}

template <class Entry>
std::int32_t owned(const Table<Entry, kTableEntries>& table, std::int32_t n) {
    const Entry* entry = table.find(n);
    return entry ? static_cast<std::int32_t>(entry->mnozstvi) : 0;
}

// 1 when the equipped piece carries number n; the empty slot (number 0) is
// not a piece, so "weapon 0" is never counted as equipped.
std::int32_t equipped(std::int32_t slotNumber, std::int32_t n) {
    return (slotNumber != 0 && slotNumber == n) ? 1 : 0;
}

// The hero's value that key `klic` compares; n is the weapon or armour number
// for the keys that count pieces. Empty for 0 and for codes no key has (a
// foreign record): the condition then compares as if it had no key.
std::optional<std::int32_t> keyValue(const Game& game, std::int32_t klic, std::int32_t n) {
    const postava& hero = game.hrac;
    switch (klic) {
        case 1: return hero.penize;
        case 2: return hero.zkusenosti;
        case 3: return hero.zivoty;
        case 4: return hero.maxzivoty;
        case 5: return hero.mana;
        case 6: return hero.maxmana;
        case 7: return hero.sila;
        case 8: return hero.obratnost;
        case 9: return hero.rychlost;
        case 10: return hero.energie;
        case 11: return hero.zbran.cislo;
        case 12: return hero.zbroj.cislo;
        case 13: return owned(game.zbrane, n);
        case 14: return owned(game.zbroje, n);
        case 15: return owned(game.zbrane, n) + equipped(hero.zbran.cislo, n);
        case 16: return owned(game.zbroje, n) + equipped(hero.zbroj.cislo, n);
        default: return std::nullopt;
    }
}

// The compared value: a key's value, else an object's or an item's count,
// else integer variable n.
std::int32_t leftValue(const Game& game, const podminka& condition, std::int32_t n) {
    if (auto value = keyValue(game, condition.klic, n)) return *value;
    if (condition.objekt) return owned(game.objekty, n);
    if (condition.predmet) return owned(game.predmety, n);
    return variable(game, n);
}

// An operand after substitution, cut to the record's 50 characters.
std::string substituted(const Game& game, const ShortString<50>& operand) {
    ShortString<50> cut{};
    cut.assign(Substitute(game, operand.view()));
    return cut.str();
}

std::string keyText(const Game& game, std::int32_t klic) {
    switch (klic) {
        case 1: return (cz("Počet ") + game.mena).substr(0, 36);
        case 2: return cz("Počet XP");
        case 3: return cz("Počet životů");
        case 4: return cz("Max. životů");
        case 5: return cz("Mana");
        case 6: return cz("Max. mana");
        case 7: return cz("Síla");
        case 8: return cz("Obratnost");
        case 9: return cz("Rychlost");
        case 10: return cz("Energie");
        default: return {};
    }
}

std::string comparisonText(Comparison op) {
    switch (op) {
        case Comparison::Less: return cz("je menší");
        case Comparison::Greater: return cz("je větší");
        case Comparison::NotEqual: return cz("nerovná se");
        case Comparison::Equal: return cz("rovná se");
        case Comparison::AtLeast: return cz("je větší nebo rovno");
        case Comparison::AtMost: return cz("je menší nebo rovno");
        case Comparison::Unknown: break;
    }
    return {};
}

}  // namespace

bool EvaluateCondition(const Game& game, podminka condition) {
    // Both operands are substituted, then converted, before anything is read,
    // so a key condition still needs a number in the left place.
    const std::string levy = substituted(game, condition.levy);
    const std::string pravy = substituted(game, condition.pravy);
    const std::int32_t n = toInteger(levy);
    const std::int32_t m = toInteger(pravy);
    const std::int32_t right = condition.pravyjepromenna ? variable(game, m) : m;
    return compare(comparisonOf(condition.porovnani.view()), leftValue(game, condition, n), right);
}

std::string DescribeCondition(const Game& game, podminka condition) {
    const std::string key = keyText(game, condition.klic);
    if (key.empty() || condition.predmet || condition.objekt) {
        return cz("Zvláštní podmínky použití!");
    }
    // A description is only shown, never decided on: a right operand that
    // cannot be substituted is shown as written rather than failing.
    std::string right;
    try {
        right = substituted(game, condition.pravy);
    } catch (const ScriptError&) {
        right = condition.pravy.str();
    }
    return key + " " + comparisonText(comparisonOf(condition.porovnani.view())) + " " + right;
}

}  // namespace morvane
