#pragma once
// The commands that steer the game: quitting, the way back, the countdown,
// and showing or hiding the character and equipment buttons.
#include "parser/Command.h"

namespace morvane {

struct Game;

void cmdKonec(Game& game, const tagg& tag);
void cmdZpet(Game& game, const tagg& tag);
void cmdCasovac(Game& game, const tagg& tag);

// Permanent switches live in the game state (and so in saved positions);
// temporary ones only change the window until the next location.
void cmdZakazPostavu(Game& game, const tagg& tag);
void cmdZakazVybaveni(Game& game, const tagg& tag);
void cmdPovolPostavu(Game& game, const tagg& tag);
void cmdPovolVybaveni(Game& game, const tagg& tag);
void cmdZakazPostavuDocasne(Game& game, const tagg& tag);
void cmdZakazVybaveniDocasne(Game& game, const tagg& tag);
void cmdPovolPostavuDocasne(Game& game, const tagg& tag);
void cmdPovolVybaveniDocasne(Game& game, const tagg& tag);

}  // namespace morvane
