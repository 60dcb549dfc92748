#pragma once
// Stat modifiers («sila+2») and the rules shared by every screen that changes
// the hero's values.
#include <cstdint>
#include <string_view>

#include "parser/EffectRecord.h"

namespace morvane {

struct Game;

efekt ParseEffect(std::string_view text);

// Adds or takes away the modifier from one of the six trainable attributes;
// any other name or operator changes nothing.
void ApplyEffect(Game& game, const efekt& effect);
// Undoes ApplyEffect (used when a piece of equipment is taken off).
void UndoEffect(Game& game, const efekt& effect);

// Caps mana and hit points at their maxima with the fight bonuses, shows the
// death screen when hit points fall below 1 (and then raises GameEnded), and
// raises negative mana to 0.
void ClampHitPointsAndMana(Game& game);

// 0 all, 1 weapons, 2 armours, 3 items, 4 weapons+armours, 5 weapons+items,
// 6 armours+items.
std::int32_t CategoryCode(std::string_view word);

}  // namespace morvane
