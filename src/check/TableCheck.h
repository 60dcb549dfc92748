#pragma once
// The five content tables and the shop file, read line by line with the
// engine's own line readers so that every faulty line is told at its number.
#include "check/Findings.h"
#include "check/GameFacts.h"

namespace morvane {
struct Game;
}

namespace morvane::check {

// Reads the tables into `game` as a new game would and fills the table
// sizes and shop numbers of `facts`.
void CheckTables(Game& game, GameFacts& facts, Findings& findings);

}  // namespace morvane::check
