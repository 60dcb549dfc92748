#pragma once
// Conditions decided against the running game, and described in words for
// the screens.
#include <string>

#include "parser/ConditionRecord.h"

namespace morvane {

struct Game;

// Decides a condition with the game as it stands now. Raises ScriptError when
// an operand is not a number.
bool EvaluateCondition(const Game& game, podminka condition);

// The condition in words, as the inventory and fight screens show it.
std::string DescribeCondition(const Game& game, podminka condition);

}  // namespace morvane
