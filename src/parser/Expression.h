#pragma once
// Integer formulas and dice.
#include <cstdint>
#include <string_view>

#include "parser/EffectRecord.h"

namespace morvane {

class RandomSource;

// The value of an integer formula: + - * / % : and parentheses. Reading stops
// at the first character that does not fit; division by zero raises
// ScriptError with the platform's texts.
std::int32_t EvaluateExpression(std::string_view text);

kostka ParseDice(std::string_view text);
std::int32_t RollDice(RandomSource& random, const kostka& dice);
std::int32_t DiceMinimum(const kostka& dice);
std::int32_t DiceMaximum(const kostka& dice);

}  // namespace morvane
