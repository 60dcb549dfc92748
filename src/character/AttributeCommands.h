#pragma once
// The script commands that change the hero's money, experience and
// attributes, each with its message in the info lines.
//
// Every command except money and experience ends with the limit check of hit
// points and mana (even with no attributes), so a lowered maximum pulls the
// current value down with it and hit points below 1 end the game.
#include "parser/Command.h"

namespace morvane {

struct Game;

void cmdPenize(Game& game, const tagg& tag);      // PLUS / MINUS money
void cmdZkusenosti(Game& game, const tagg& tag);  // PLUS / MINUS experience (also "XP")
void cmdZivoty(Game& game, const tagg& tag);      // PLUS / MINUS / JE hit points
void cmdMana(Game& game, const tagg& tag);        // PLUS / MINUS / JE mana
void cmdMaxZivoty(Game& game, const tagg& tag);   // PLUS / MINUS / JE maximum hit points
void cmdMaxMana(Game& game, const tagg& tag);     // PLUS / MINUS / JE maximum mana
void cmdSila(Game& game, const tagg& tag);        // PLUS / MINUS / JE strength
void cmdObratnost(Game& game, const tagg& tag);   // PLUS / MINUS / JE agility
void cmdRychlost(Game& game, const tagg& tag);    // PLUS / MINUS / JE speed
void cmdEnergie(Game& game, const tagg& tag);     // PLUS / MINUS / JE energy

}  // namespace morvane
