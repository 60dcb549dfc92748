// The starter game authors copy, played to its ending through the real
// morvane-text program: the shop sells, the fight is won, every location is
// reached, and the authoring check finds nothing to fault. (Its definition
// record is checked against its source with the demo's.)
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "console/TextPlayer.h"

using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kTemplate = fs::path(MORVANE_SOURCE_DIR) / "games" / "template";

}  // namespace

TEST(Template, PlaysThroughShopAndFightToItsEnding) {
    const FolderCopy game(kTemplate);
    // Crossroads, shop (buy the potion), back, the wolf, back, on, the end.
    const std::vector<std::string> moves = {"1",        "1",        "buy 3",    "close",
                                            "1",        "2",        "attack 1", "attack 1",
                                            "attack 1", "attack 1", "attack 1", "1",
                                            "2",        "1"};
    const Played p = PlayText(game, moves);
    ASSERT_EQ(p.status, 0);
    ASSERT_GE(p.lines.size(), 2u);
    EXPECT_EQ(p.last("/screen"), "ended");
    std::set<int> visited;
    for (const auto& line : p.lines)
        if (line.contains("game")) visited.insert(line["game"]["lokace"].get<int>());
    EXPECT_EQ(visited, (std::set<int>{1, 2, 3, 4, 5}));
    const auto& final = p.final()["game"];
    EXPECT_EQ(final["lokace"], 5);
    EXPECT_EQ(final["hrac"]["penize"], 25);     // 30 less the potion
    EXPECT_EQ(final["hrac"]["zkusenosti"], 5);  // the wolf's experience
    EXPECT_EQ(ReadFile(game.path() / "stderr.txt"), "");
#ifdef MORVANE_CHECK_BINARY
    EXPECT_EQ(Shell(std::string(MORVANE_CHECK_BINARY) + " '" + kTemplate.string() + "'"), 0);
#endif
}
