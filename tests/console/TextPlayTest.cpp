#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;

namespace {

constexpr const char* kStory = R"(<1>
<TEXT OBSAH="Rozcestí" ODKAZ="3">
<MENU T="Do lesa" X="2"><M T="K řece" X="3">
<2>
<TEXT OBSAH="Les"><CASOVAC CAS="2" ODKAZ="3" VYPISUJ="ANO"><ZPET>
<3>
<TEXT OBSAH="Řeka"><ZIVOTY MINUS="x"><M T="Zpět" X="1"><KONEC>
)";

}  // namespace

TEST(TextPlay, MenuLinksAndCountdownMoveThePlayer) {
    GameFolder game(kStory);
    const Played p = PlayText(game, {"menu 1", "tick 9", "tick", "tick 9", "menu 1"});
    ASSERT_EQ(p.status, 0);
    ASSERT_EQ(p.lines.size(), 7u);
    EXPECT_EQ(p.at(0, "/screen"), "main");
    EXPECT_EQ(p.at(0, "/game/page/0/text"), "Rozcestí");
    EXPECT_EQ(p.at(0, "/game/menu/items/1/text"), "K řece");
    EXPECT_EQ(p.at(1, "/game/lokace"), 2);
    EXPECT_EQ(p.at(1, "/game/countdown/label"), "2");
    EXPECT_EQ(p.at(2, "/game/countdown/label"), "2");  // nine ticks: not yet a second
    EXPECT_EQ(p.at(3, "/game/countdown/label"), "1");
    EXPECT_EQ(p.at(4, "/game/lokace"), 3);  // expired after 2.8 s
    // Location 3 quits after its run; the script error is reported and the menu still built.
    EXPECT_EQ(p.at(4, "/messages/0"), "'x' is not a valid integer value");
    EXPECT_EQ(p.at(4, "/game/menu/items").size(), 0u);
    EXPECT_EQ(p.last("/screen"), "ended");
}

TEST(TextPlay, UnknownCommandsChangeNothingAndBadCommandLinesAreRefused) {
    GameFolder game(kStory);
    const Played p = PlayText(game, {"menu 7", "fly", "link 1"});
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_EQ(p.at(1, "/messages/0"), "unknown command");
    EXPECT_EQ(p.at(2, "/messages/0"), "unknown command");
    EXPECT_EQ(p.at(2, "/game/lokace"), 1);
    EXPECT_EQ(p.at(3, "/game/lokace"), 3);  // the text link
    EXPECT_EQ(PlayText(game, {}, "--seed x").status, 2);
    game.write("data/inicializace.vrn", "short");
    const Played broken = PlayText(game, {});
    EXPECT_EQ(broken.status, 1);
}

// A check of a line or field the program did not print fails and says what
// is missing; the test goes on to its next check.
TEST(TextPlay, AMissingLineOrFieldFailsItsCheckWithoutEndingTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            Played p;
            p.lines.push_back({{"screen", "main"}, {"game", {{"page", nlohmann::json::array()}}}});
            EXPECT_TRUE(p.at(0, "/game/page/0/text").is_null());
        },
        "no /game/page/0/text in");
    EXPECT_NONFATAL_FAILURE(
        {
            Played p;
            p.lines.push_back({{"screen", "main"}});
            EXPECT_TRUE(p.at(3, "/screen").is_null());
            EXPECT_TRUE(p.last("/screen") == "main");
        },
        "line 3 (for /screen) was not printed; 1 were");
}
