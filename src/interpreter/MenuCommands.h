#pragma once
// The commands of the menu, its heading, the default colours, the location
// numbers and the info lines.
#include "parser/Command.h"

namespace morvane {

struct Game;
struct polozkamenu;

// Takes the next free menu item, emptied, in the default menu colour, leading
// nowhere. A menu holds at most kMenuItems items: nullptr when it is full.
polozkamenu* AddMenuItem(Game& game);

void cmdMenu(Game& game, const tagg& tag);
void cmdZmenOtazku(Game& game, const tagg& tag);
void cmdVychoziBarvaTextu(Game& game, const tagg& tag);
void cmdVychoziBarvaMenu(Game& game, const tagg& tag);
void cmdZapniCislaLokaci(Game& game, const tagg& tag);
void cmdVypniCislaLokaci(Game& game, const tagg& tag);

void cmdInfo(Game& game, const tagg& tag);
void cmdSmazatInfo(Game& game, const tagg& tag);
void cmdZapniInfo(Game& game, const tagg& tag);
void cmdVypniInfo(Game& game, const tagg& tag);

}  // namespace morvane
