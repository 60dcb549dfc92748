#include <algorithm>
#include <string>

#include "base/Numbers.h"
#include "base/Platform.h"
#include "base/ScriptError.h"
#include "parser/CharClass.h"
#include "parser/Expression.h"

namespace morvane {

// Reads «<count>k<sides>[+|-<bonus>]», e.g. «2k6+1»: the count must open the
// text and every number must touch what precedes it.
kostka ParseDice(std::string_view text) {
    kostka dice{};
    std::size_t i = 0;
    dice.pocet = toInteger(digitRun(text, i));
    i = text.find('k', i);
    if (i == std::string_view::npos) {
        throw ScriptError("'" + std::string(text) + "' is not a valid integer value");
    }
    ++i;
    dice.strany = toInteger(digitRun(text, i));
    // A ";" ends the dice text like the end of the text does.
    i = text.find_first_of("+-;", i);
    if (i == std::string_view::npos || text[i] == ';') return dice;  // no bonus
    const bool negative = text[i++] == '-';
    const std::int32_t bonus = toInteger(digitRun(text, i));
    dice.bonus = negative ? wrapNeg(bonus) : bonus;
    return dice;
}

// A die with fewer than one side still shows 1, and a negative count rolls no
// dice; the bounds below follow the same reading so that every roll lies
// between them.
namespace {
std::int32_t diceCount(const kostka& dice) { return std::max(dice.pocet, 0); }
std::int32_t diceSides(const kostka& dice) { return std::max(dice.strany, 1); }
}  // namespace

// Dice are rolled one at a time so that a seeded game repeats its rolls, so a
// count costs its own number of draws. No real game rolls more than a handful;
// a count past this limit is a typo (or a hostile file) and is refused rather
// than keep the program busy for seconds per roll.
constexpr std::int32_t kMaxDice = 10'000;

std::int32_t RollDice(RandomSource& random, const kostka& dice) {
    if (dice.pocet > kMaxDice) {
        throw ScriptError("Too many dice: '" + toText(dice.pocet) + "k" + toText(dice.strany) +
                          "' (at most " + toText(kMaxDice) + ")");
    }
    std::int32_t sum = dice.bonus;
    for (std::int32_t n = diceCount(dice); n > 0; --n) {
        sum = wrapAdd(sum, 1 + random.below(diceSides(dice)));
    }
    return sum;
}

std::int32_t DiceMinimum(const kostka& dice) { return wrapAdd(diceCount(dice), dice.bonus); }

std::int32_t DiceMaximum(const kostka& dice) {
    return wrapAdd(wrapMul(diceCount(dice), diceSides(dice)), dice.bonus);
}

}  // namespace morvane
