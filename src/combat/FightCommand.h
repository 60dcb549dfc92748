#pragma once
// The script command that starts a fight.
#include "parser/Command.h"

namespace morvane {

struct Game;

// "SOUBOJ": sets up the enemy from the attributes (JMENO, UTOK, OBRANA,
// TVRDOST, ZIVOTY, ZRANEN, POSKOZENI, XP, NEUMIREJ, KOUZLA, PREDMETY), shows
// the combat screen until the fight is over, then reports the victory.
void cmdSouboj(Game& game, const tagg& tag);

}  // namespace morvane
