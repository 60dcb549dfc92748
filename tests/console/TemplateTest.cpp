// The starter game authors copy, played to its ending through the real
// morvane-text program: its definition is the one its text source gives,
// the shop sells, the fight is won, and every location is reached.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "console/TextPlayer.h"

using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kTemplate = fs::path(MORVANE_SOURCE_DIR) / "games" / "template";
const fs::path kTools = fs::path(MORVANE_TEXT_BINARY).parent_path();

struct TemplateCopy : TempFolder {
    TemplateCopy() { fs::copy(kTemplate, path(), fs::copy_options::recursive); }
};

}  // namespace

TEST(Template, PlaysThroughShopAndFightToItsEnding) {
    TemplateCopy game;
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
}

TEST(Template, DefinitionIsWrittenFromItsTextSource) {
    TempFolder out;
    ASSERT_EQ(Shell((kTools / "morvane-definice").string() + " '" +
                    (kTemplate / "data" / "inicializace.txt").string() + "' '" +
                    (out.path() / "a.vrn").string() + "'"),
              0);
    EXPECT_EQ(ReadFile(out.path() / "a.vrn"), ReadFile(kTemplate / "data" / "inicializace.vrn"));
#ifdef MORVANE_CHECK_BINARY
    EXPECT_EQ(Shell(std::string(MORVANE_CHECK_BINARY) + " '" + kTemplate.string() + "'"), 0);
#endif
}

// A note with a comma in a table is an entry without its number: the start
// of the game stops, and the program says why instead of failing.
// A table the engine can't read stops the start-up with the error, and the
// player still gets an answer: the program keeps running until he quits.
TEST(Template, MalformedTableLineIsReportedAndTheProgramKeepsAnswering) {
    TemplateCopy game;
    game.write("data/zbrane.vrn", "Zbrane, bez cisla\n");
    const Played p = PlayText(game, {"quit"});
    EXPECT_EQ(p.status, 0);
    const std::string messages = p.at(0, "/messages").dump();
    EXPECT_NE(messages.find("is not a valid integer value"), std::string::npos) << messages;
    EXPECT_EQ(p.last("/screen"), "ended");
}
