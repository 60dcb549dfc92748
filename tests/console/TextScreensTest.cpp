// A position saved through the terminal's screens loads back with --load.
// (Its shop, sale, inventory and fight commands play the demo's routes in
// DemoTest; the rules behind them are the core's.)
#include <gtest/gtest.h>

#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;

TEST(TextScreens, ASavedPositionLoadsBackWithItsState) {
    GameFolder game(R"(<1>
<PREDMET 1="1"><TEXT OBSAH="Tábor"><M T="Uložit" X="2">
<2>
<PROMENNA 7="42"><SAVE ODKAZ="1"><M T="Zpět" X="1">
)");
    game.file("data/predmety.vrn", "1,\"Lektvar\",\"Hojí.\",5,vzdy,zivoty+10\n");
    game.definice.zkusenosti = 30;
    game.writeDefinition();
    const Played saved = PlayText(game, {"sheet", "train sila", "close", "menu 1", "save hra1"});
    ASSERT_EQ(saved.status, 0);
    EXPECT_EQ(saved.at(2, "/game/hrac/sila"), 6);
    EXPECT_EQ(saved.at(4, "/screen"), "save");
    ASSERT_TRUE(game.exists("save/hra1.mkp"));

    const Played loaded = PlayText(game, {"continue"}, "--seed 1 --load hra1");
    ASSERT_EQ(loaded.status, 0);
    EXPECT_TRUE(loaded.at(0, "/game/buttons/continue"));
    // The position resumes where the save offer pointed, with what was saved.
    EXPECT_EQ(loaded.at(1, "/game/lokace"), 1);
    EXPECT_EQ(loaded.at(1, "/game/promenne/7"), 42);
    EXPECT_EQ(loaded.at(1, "/game/hrac/sila"), 6);
    EXPECT_EQ(loaded.at(1, "/game/mnozstvi/predmety/1"), 2);
}
