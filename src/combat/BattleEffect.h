#pragma once
// Stat modifiers as a fight reads them: most of the hero's values change only
// through fight bonuses, and the "n..." names act on the enemy.
#include <cstdint>

#include "parser/EffectRecord.h"

namespace morvane {

struct Game;

// Applies one modifier and appends its report to Summary2. A "zivoty-" that
// leaves the hero below 1 hit point kills him (GameEnded); an "nzivoty" of
// any kind checks whether the enemy fell.
void ApplyBattleEffect(Game& game, const efekt& effect);

// Applies the first `count` effects of a list in order (a count of 0 or less
// applies nothing).
void ApplyBattleEffects(Game& game, const efekt* effects, std::int32_t count);

}  // namespace morvane
