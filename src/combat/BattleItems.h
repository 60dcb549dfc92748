#pragma once
// Items and spells between two rounds: the lists the two buttons open, and
// using one item or casting one spell, which costs no round.
#include <cstdint>

namespace morvane {

struct Game;

// The items the hero may use in a fight (owned, of kind "boj" or "vzdy"), or
// the spells he knows. Nothing opens while the button is barred by the fight
// command or hidden after an item or spell was used this round.
void OpenItemList(Game& game);
void OpenSpellList(Game& game);

// The hero clicked item (spell) n of the open list: conditions (and mana) are
// checked, then its effects apply and both buttons hide until the next round.
// Nothing happens for an entry that is not on the open list.
void UseItemInBattle(Game& game, std::int32_t n);
void CastSpellInBattle(Game& game, std::int32_t n);

}  // namespace morvane
