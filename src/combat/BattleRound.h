#pragma once
// The rounds of a fight: the enemy attacks, the hero answers with one of the
// attacks he has learned, costs are paid and the fight may end.
#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

struct Game;

// The hero clicked the action of attack entry n: its conditions and costs are
// checked (failures reported in Summary1) and then a round is played. Nothing
// happens for an entry that has no action on the screen.
void PerformAction(Game& game, std::int32_t n);

// One round with attack entry n (1..100), without any check.
void BattleRound(Game& game, std::int32_t n);

// Ends the fight when the enemy has fallen: experience once per fight, the
// result, and the screen closes.
void CheckEnemyDefeated(Game& game);

// The text with "#utok", "#nobrana", "#poskozeni", "#ntvrdost", "#zasah"
// replaced by the values of the hero's last action and "#radek" by a line break.
std::string ReplaceBattleMarkers(const Game& game, std::string_view text);

// Reads the spell and attack tables again (their $-references take the
// current values) and greys every action whose conditions fail.
void UpdateBattleActions(Game& game);

}  // namespace morvane
