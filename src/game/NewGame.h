#pragma once
// The start of a game: everything a new game (or a loaded position) needs
// before its first location runs, and the end of one by the quit button.
#include <string>

namespace morvane {

struct Game;

// Prepares a complete new game from the definition in game.definice: lists,
// switches, info lines, currency, state and variables, the hero (whose name
// the name entry may already have set), constants, the five tables with
// nothing learned, no story objects, the starting equipment. The story is read afresh, string
// variables are emptied, prefix, suffix and redirect are off, so nothing of
// an earlier game in the same run carries over. Runs no location.
void PrepareGame(Game& game);

// PrepareGame, then location 1 (or the location and values of a try-out
// chosen with ChooseTryOut, which this uses up).
void StartNewGame(Game& game);

// The quit button: the libraries go, the music stops, the program is asked
// to end.
void KonecClick(Game& game);

}  // namespace morvane
