#pragma once
// The hero of a new game, built from the game definition record.
#include "character/HeroRecord.h"

namespace morvane {

struct Game;

// Fills the hero from `game.definice`: name (kept as typed when the game asks
// for one), money, experience, the six attributes with their start values and
// the XP price tables; the currency name becomes the definition's.
//
// A new game starts as the first game of a run would: the story objects, the
// fight counters, the fight bonuses and the last fight's result are cleared,
// so nothing of an earlier game in the same run leaks into this one.
//
// The content tables, the known flags and the equipment are the start-up's
// steps and are not touched here.
void NewGameHero(Game& game);

// Remembers the current attributes as the hero's start values.
void SaveStartValues(postava& hero);

}  // namespace morvane
