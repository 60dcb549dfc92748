#pragma once
#include <cstdint>

namespace morvane {

struct Game;

// Cuts location `n` out of the story (reading the story on first use, with its
// libraries, constants, prefix and suffix) and scans it into game.prikazy.
void LoadLocation(Game& game, std::int32_t n);

}  // namespace morvane
