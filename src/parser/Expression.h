#pragma once
// Integer formulas, attack formulas and dice.
#include <cstdint>
#include <string_view>

#include "parser/EffectRecord.h"

namespace morvane {

struct Game;
class RandomSource;

// The value of an integer formula: + - * / % : and parentheses. Reading stops
// at the first character that does not fit; division by zero raises
// ScriptError with the platform's texts.
std::int32_t EvaluateExpression(std::string_view text);

enum class FormulaForm { Rolling, Minimum, Maximum };

// An attack formula: the markers #zbran (the equipped weapon's dice, rolled
// once for all markers or taken at its bound), #sila and #poskozeni are
// replaced, then the text is evaluated.
std::int32_t EvaluateFormula(Game& game, std::string_view text, FormulaForm form);

kostka ParseDice(std::string_view text);
std::int32_t RollDice(RandomSource& random, const kostka& dice);
std::int32_t DiceMinimum(const kostka& dice);
std::int32_t DiceMaximum(const kostka& dice);

}  // namespace morvane
