#include <gtest/gtest.h>

#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;

namespace {

// Location 1 hands out an attack, a potion and a dagger and leads to a fight
// that the hero wins, a fight he loses but survives, a shop, a sell screen and
// a save offer.
constexpr const char* kStory = R"(<1>
<UTOK UMIME="1"><PREDMET 1="1"><ZBRAN 2="1">
<TEXT OBSAH="Tábor">
<M T="Krysa" X="2"><M T="Obr" X="3"><M T="Trh" X="4"><M T="Výkup" X="5"><M T="Uložit" X="6">
<2>
<SOUBOJ JMENO="Krysa" UTOK="0k6+0" OBRANA="0" ZIVOTY="3" MAXZIVOTY="3" XP="4">
<TEXT OBSAH="Výsledek $VYSLEDEKSOUBOJE"><M T="Zpět" X="1">
<3>
<SOUBOJ JMENO="Obr" UTOK="0k6+100" ZIVOTY="500" MAXZIVOTY="500" NEUMIREJ="1">
<TEXT OBSAH="Výsledek $VYSLEDEKSOUBOJE, životy $ZIVOTY"><M T="Zpět" X="1">
<4>
<OBCHOD CISLO="1"><M T="Zpět" X="1">
<5>
<PRODEJ TYP="ZBRANE"><M T="Zpět" X="1">
<6>
<PROMENNA 7="42"><SAVE ODKAZ="1"><M T="Zpět" X="1">
)";

struct ScreensGame : GameFolder {
    ScreensGame() : GameFolder(kStory) {
        file("data/utoky.vrn", "1,\"Bodnutí\",\"\",\"Zásah\",\"Bez škody\",\"Vedle\",0,0,100,10\n");
        file("data/zbrane.vrn", "1,\"Pěst\",\"\",0k1,0,0\n2,\"Dýka\",\"\",1k4,1,15\n");
        file("data/zbroje.vrn", "1,\"Košile\",\"\",0,0,0,0\n");
        file("data/predmety.vrn", "1,\"Lektvar\",\"Hojí.\",5,vzdy,zivoty+10\n");
        file("data/obchod.vrn", "1, predmet1, zbran2\n");
    }
};

}  // namespace

TEST(TextScreens, ShopSellInventoryAndSheetWorkThroughTheCore) {
    ScreensGame game;
    game.definice.zkusenosti = 30;
    game.writeDefinition();
    const Played p = PlayText(game, {"menu 3", "buy 1", "buy 1", "buy 1", "close", "menu 1",
                                     "menu 4", "sell zbran 2", "close", "inventory", "use 1",
                                     "close", "sheet", "train sila", "close"});
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.at(1, "/screen"), "shop");
    EXPECT_EQ(p.at(1, "/shop/goods/0/text"), "Lektvar");
    // 15 coins buy three potions of 5: exactly nothing left, then no more.
    EXPECT_EQ(p.at(4, "/game/hrac/penize"), 0);
    EXPECT_EQ(p.at(4, "/game/mnozstvi/predmety/1"), 4);
    // The dagger worth 15 sells for half, rounded down.
    EXPECT_EQ(p.at(7, "/screen"), "sell");
    EXPECT_EQ(p.at(8, "/game/hrac/penize"), 7);
    EXPECT_EQ(p.at(10, "/screen"), "inventory");
    EXPECT_EQ(p.at(11, "/game/mnozstvi/predmety/1"), 4);  // five less the one used
    EXPECT_EQ(p.at(13, "/screen"), "sheet");
    EXPECT_EQ(p.at(14, "/game/hrac/sila"), 6);
    EXPECT_EQ(p.at(14, "/game/hrac/zkusenosti"), 20);
}

TEST(TextScreens, ASavedPositionLoadsBackWithItsState) {
    ScreensGame game;
    game.definice.zkusenosti = 30;
    game.writeDefinition();
    const Played saved = PlayText(game, {"sheet", "train sila", "close", "menu 5", "save hra1"});
    ASSERT_EQ(saved.status, 0);
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
