#pragma once
// The commands that choose which library texts surround every location, and
// the redirect that puts a library text in place of the whole story.
#include "parser/Command.h"

namespace morvane {

struct Game;

void cmdPrefix(Game& game, const tagg& tag);
void cmdSuffix(Game& game, const tagg& tag);
void cmdPresmeruj(Game& game, const tagg& tag);

}  // namespace morvane
