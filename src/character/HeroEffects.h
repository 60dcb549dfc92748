#pragma once
// Stat modifiers carried out on the hero, and the rules shared by every screen
// that changes the hero's values.
#include <cstdint>
#include <string>
#include <string_view>

#include "character/HeroRecord.h"
#include "parser/EffectRecord.h"

namespace morvane {

struct Game;

// The hero's field for one of the six attributes that equipment modifies
// ("maxzivoty", "maxmana", "sila", "obratnost", "rychlost", "energie"; exact,
// lower case), or nullptr for any other name.
std::int32_t postava::*TrainableAttribute(std::string_view nazev);

// Adds or takes away the modifier from one of the six trainable attributes;
// any other name or operator changes nothing.
void ApplyEffect(Game& game, const efekt& effect);
// Undoes ApplyEffect (used when a piece of equipment is taken off).
void UndoEffect(Game& game, const efekt& effect);

// Carries out a «promenna<n>» modifier ('+', '-' or '=' on variable n) and
// answers how it changed, e.g. « se zvýšila o 2 na 5»: each screen names the
// variable its own way. Empty when nothing changed: n outside 1..999, or
// another operator.
std::string ApplyVariableEffect(Game& game, const efekt& effect);

// Caps mana and hit points at their maxima with the fight bonuses, shows the
// death screen when hit points fall below 1 (and then raises GameEnded), and
// raises negative mana to 0.
void ClampHitPointsAndMana(Game& game);

}  // namespace morvane
