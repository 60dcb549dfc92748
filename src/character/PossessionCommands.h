#pragma once
// The script commands that give, take, change and count what the hero owns:
// weapons, armours, items, story objects, spells and attacks.
#include "parser/Command.h"

namespace morvane {

struct Game;

// Gains: attribute name = entry number, value = pieces (may be 0 or negative).
void cmdZbran(Game& game, const tagg& tag);
void cmdZbroj(Game& game, const tagg& tag);
void cmdPredmet(Game& game, const tagg& tag);

// Defines a story object (JMENO, POPIS, OBRAZEK, VYSKA, SIRKA) and gives pieces
// of it (attribute name = object number, value = pieces).
void cmdObjekt(Game& game, const tagg& tag);

// Losses of objects and items: name = number, value = pieces; counts stop at 0.
void cmdOdstranObjekt(Game& game, const tagg& tag);
void cmdOdstranPredmet(Game& game, const tagg& tag);

// UMIME="n" teaches spell (attack) n, NEUMIME="n" makes the hero forget it.
void cmdKouzlo(Game& game, const tagg& tag);
void cmdUtok(Game& game, const tagg& tag);

// Counts into variables: name = variable number, value = entry number.
void cmdPocetPredmetu(Game& game, const tagg& tag);
void cmdPocetObjektu(Game& game, const tagg& tag);
void cmdPocetZbrani(Game& game, const tagg& tag);
void cmdPocetZbroji(Game& game, const tagg& tag);

// One piece lost per attribute (value = number): from the pack first, then
// the equipped one.
void cmdOdstranZbran(Game& game, const tagg& tag);
void cmdOdstranZbroj(Game& game, const tagg& tag);

// Old number a = new number b: a piece in the pack becomes b, or else the
// equipped a is replaced by b with the bonuses swapped.
void cmdZmenZbran(Game& game, const tagg& tag);
void cmdZmenZbroj(Game& game, const tagg& tag);

}  // namespace morvane
