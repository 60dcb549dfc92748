#pragma once
// Conditions: parsed from "[...]" brackets and library lines, decided against
// the running game, and described in words for the screens.
#include <cstdint>
#include <string>
#include <string_view>

#include "parser/ConditionRecord.h"

namespace morvane {

struct Game;

// Reads the condition that starts at index `start` (one past its "[", or 0
// for a library condition, which has none) up to its "]" or the end of the
// text. Every call takes the next value of `counter` as the record's `cislo`.
podminka ParseCondition(std::string_view text, std::size_t start, std::int32_t& counter);

// Decides a condition with the game as it stands now. Raises ScriptError when
// an operand is not a number.
bool EvaluateCondition(const Game& game, podminka condition);

// The condition in words, as the inventory and fight screens show it.
std::string DescribeCondition(const Game& game, podminka condition);

}  // namespace morvane
