#pragma once
// A TestGame that plays a story of its own: a fresh game folder holding
// data/data.vrn, so tests can run real location sources through ChangeLoc.
#include <cstdint>
#include <string_view>

#include "base/Win1250.h"
#include "interpreter/ChangeLoc.h"
#include "support/TempFolder.h"
#include "support/TestGame.h"

namespace morvane::test {

struct StoryGame : TestGame {
    TempFolder folder;

    // `story` is UTF-8 here and Windows-1250 on disk, locations marked "<N>".
    // The story is read at the first location run and kept for the game.
    explicit StoryGame(std::string_view story, std::uint64_t seed = 1) : TestGame(seed) {
        folder.write("data/data.vrn", cz(story));
        game.pribeh.soubory.gameFolder = folder.path();
    }

    void go(std::int32_t location) { ChangeLoc(game, location); }
};

}  // namespace morvane::test
