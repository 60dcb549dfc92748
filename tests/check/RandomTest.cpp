// Random playthroughs find a script error that only one route reaches, and
// morvane-text replays that route to the same error; the map marks what the
// check found.
#include <gtest/gtest.h>


#include "base/Win1250.h"
#include "check/Checker.h"
#include "check/RandomPlay.h"
#include "check/StoryMap.h"
#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane;
using namespace morvane::check;
using morvane::test::GameFolder;

namespace {

// Location 4 divides by a variable that is 0: nothing a reading can see,
// and only the page link of location 2 leads there.
const char* const kStory =
    "<1>\n<MENU T=\"vlevo\" X=\"2\">\n<MENU T=\"vpravo\" X=\"3\">\n"
    "<2>\n<TEXT OBSAH=\"Dveře.\" ODKAZ=\"4\">\n<MENU T=\"zpět\" X=\"1\">\n"
    "<3>\n<KONEC>\n"
    "<4>\n<VZOREC 5=\"10/$6\">\n<MENU T=\"domů\" X=\"1\">\n";

TEST(RandomPlay, FindsAnErrorOnlyARouteReachesAndMorvaneTextReplaysIt) {
    GameFolder game(kStory);
    const CheckReport report = CheckGame(game.path());
    ASSERT_EQ(report.findings.errors(), 0u);
    RandomSettings settings;
    settings.plays = 40;
    settings.seed = 7;
    const RandomReport played = PlayAtRandom(game.path(), *report.definice, settings);
    EXPECT_EQ(played.plays, 40);
    ASSERT_EQ(played.problems.size(), 1u);
    const PlayProblem& problem = played.problems[0];
    EXPECT_EQ(problem.misto.second, 4);
    EXPECT_GT(played.endings.size(), 0u);
    EXPECT_EQ(played.visits.size(), 4u);

    const auto replayed =
        test::PlayText(game, problem.route, "--seed " + std::to_string(problem.seed));
    bool seen = false;
    for (const auto& line : replayed.lines) {
        if (!line.contains("messages")) continue;
        for (const auto& message : line["messages"]) seen = seen || message == toUtf8(problem.message);
    }
    EXPECT_TRUE(seen) << problem.message;
}

TEST(RandomPlay, SavesLoadsTheSaveBackAndTellsHowEachPlayEnded) {
    GameFolder game(
        "<1>\n<SAVE ODKAZ=\"1\">\n<M T=\"a\" X=\"2\">\n<M T=\"b\" X=\"3\">\n"
        "<2>\n[1 = \"5]<M T=\"nikdy\" X=\"1\">[/]\n"
        "<3>\n<ZIVOTY MINUS=\"999\">\n");
    const CheckReport report = CheckGame(game.path());
    RandomReport played;
    for (std::uint64_t seed = 1; seed <= 12; ++seed)
        played.merge(PlayOnce(game.path(), *report.definice, seed, 50));
    EXPECT_TRUE(game.exists("save/nahoda.mkp"));
    EXPECT_TRUE(played.problems.empty()) << played.problems.front().message;
    const StoryPlace second{"", 2}, third{"", 3};
    EXPECT_GT((played.endings[{EndKind::SlepaUlicka, second}]), 0);
    EXPECT_GT((played.endings[{EndKind::Smrt, third}]), 0);
    EXPECT_EQ(played.plays, 12);
}

TEST(StoryMap, MarksUnreachableDeadEndsBrokenLinksEndingsAndDeaths) {
    GameFolder game(
        "<1>\n<MENU T=\"a\" X=\"2\">\n<MENU T=\"b\" X=\"9\">\n<MENU T=\"c\" X=\"3\">\n"
        "<2>\n<KONEC>\n<3>\n<ZIVOTY JE=\"0\">\n<4>\n<TEXT OBSAH=\"nic\">\n");
    const CheckReport report = CheckGame(game.path());
    const std::string dot = StoryMapDot(report.graph, "Test");
    EXPECT_NE(dot.find("\"u0_1\" -> \"chybi_0_9\" [ color=red"), std::string::npos) << dot;
    EXPECT_NE(dot.find("\"u0_2\" [label=\"2\" shape=doublecircle"), std::string::npos);
    EXPECT_NE(dot.find("\"u0_3\" [label=\"3\" shape=octagon"), std::string::npos);
    EXPECT_NE(dot.find("\"u0_4\" [label=\"4\" shape=circle style=filled fillcolor=\"#e0e0e0\""),
              std::string::npos);
    const auto svg = game.path() / "mapa.svg";
    EXPECT_EQ(WriteStoryMap(report.graph, "Test", svg), "");
    EXPECT_NE(test::ReadFile(svg).find("<svg"), std::string::npos);
}

}  // namespace
