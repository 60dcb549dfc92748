#pragma once
// Using an item outside a fight: each of its effects changes the hero (or a
// variable) directly and says what it did.
#include <string>

#include "parser/EffectRecord.h"

namespace morvane {

struct Game;

// Carries out one effect of an item and appends its message, ended by a line
// break, to `report`. Healing stops at the plain maximum (without fight
// bonuses). Lowering hit points or their maximum runs the limit check, so a
// harmful item can end the game (GameEnded after the death screen). An
// attribute or operator the table does not know does nothing and says nothing.
void ApplyItemEffect(Game& game, const efekt& effect, std::string& report);

}  // namespace morvane
