#include <gtest/gtest.h>

#include "base/Win1250.h"
#include "character/Hero.h"
#include "support/TestGame.h"

using namespace morvane;

namespace {

class NewHero : public ::testing::Test {
protected:
    NewHero() {
        TGameInit& d = game.definice;
        // Triples in the record's order: hit points, mana, strength, agility, speed, energy.
        const std::int32_t triples[18] = {20, 101, 11, 8, 102, 12, 5, 103, 13,
                                          6,  104, 14, 3, 105, 15, 9, 106, 16};
        for (int i = 0; i < 18; ++i) d.vlastnosti[i] = triples[i];
        d.jmenohrdiny.assign(cz("Bořek"));
        d.penize = 50;
        d.zkusenosti = 7;
        d.mena.assign(cz("zlaťáků"));
    }

    test::TestGame t;
    Game& game = t.game;
    postava& hrac = game.hrac;
};

TEST_F(NewHero, TakesTheDefinitionsValuesWithEnergyPricedBeforeSpeed) {
    NewGameHero(game);
    EXPECT_EQ(toUtf8(hrac.jmeno.str()), "Bořek");
    EXPECT_EQ(toUtf8(hrac.startjmeno.str()), "Bořek");
    EXPECT_EQ(hrac.penize, 50);
    EXPECT_EQ(hrac.zkusenosti, 7);
    EXPECT_EQ(hrac.zivoty, 20);
    EXPECT_EQ(hrac.maxzivoty, 20);
    EXPECT_EQ(hrac.mana, 8);
    EXPECT_EQ(hrac.maxmana, 8);
    EXPECT_EQ(hrac.rychlost, 3);
    EXPECT_EQ(hrac.energie, 9);
    EXPECT_EQ(hrac.startmaxzivoty, 20);
    EXPECT_EQ(hrac.startmaxmana, 8);
    EXPECT_EQ(hrac.startsila, 5);
    EXPECT_EQ(hrac.startobratnost, 6);
    EXPECT_EQ(hrac.startrychlost, 3);
    EXPECT_EQ(hrac.startenergie, 9);
    const std::int32_t prices[6] = {101, 102, 103, 104, 106, 105};
    const std::int32_t steps[6] = {11, 12, 13, 14, 16, 15};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(hrac.cenaxp[i], prices[i]) << i;
        EXPECT_EQ(hrac.prirustekceny[i], steps[i]) << i;
    }
    EXPECT_EQ(toUtf8(game.mena), "zlaťáků");
}

TEST_F(NewHero, OnlyTheNameEntryFlagOneKeepsTheTypedName) {
    game.definice.zadavanijmena = 1;
    hrac.jmeno.assign("Vilda");
    NewGameHero(game);
    EXPECT_EQ(hrac.jmeno.str(), "Vilda");
    EXPECT_EQ(hrac.startjmeno.str(), "Vilda");

    // No name-entry screen is shown for other values, so nobody typed a name.
    game.definice.zadavanijmena = 2;
    NewGameHero(game);
    EXPECT_EQ(toUtf8(hrac.jmeno.str()), "Bořek");
}

TEST_F(NewHero, AnEmptyCurrencyNameReplacesTheDefault) {
    EXPECT_EQ(toUtf8(game.mena), "stříbrných");
    game.definice.mena.assign("");
    NewGameHero(game);
    EXPECT_EQ(game.mena, "");
}

TEST_F(NewHero, NothingOfAnEarlierGameInTheSameRunRemains) {
    game.objekty[3].mnozstvi = 2;
    game.objekty[3].jmeno.assign("klic");
    game.pocetobjektu = 3;
    game.bonusy.rychlost = 4;
    game.bonusy.maxzivoty = 5;
    game.vysledeksouboje = 2;
    hrac.zasazenvsouboji = 1;
    hrac.kouzlavsouboji = 3;
    NewGameHero(game);
    EXPECT_EQ(game.objekty[3].mnozstvi, 0);
    EXPECT_TRUE(game.objekty[3].jmeno.empty());
    EXPECT_EQ(game.pocetobjektu, 0);
    EXPECT_EQ(game.bonusy.rychlost, 0);
    EXPECT_EQ(game.bonusy.maxzivoty, 0);
    EXPECT_EQ(game.vysledeksouboje, 0);
    EXPECT_EQ(hrac.zasazenvsouboji, 0);
    EXPECT_EQ(hrac.kouzlavsouboji, 0);
}

TEST_F(NewHero, SavedStartValuesFollowTheAttributesAsTheyStandNow) {
    NewGameHero(game);
    hrac.sila = 40;
    hrac.maxzivoty = 41;
    hrac.energie = 42;
    SaveStartValues(hrac);
    EXPECT_EQ(hrac.startsila, 40);
    EXPECT_EQ(hrac.startmaxzivoty, 41);
    EXPECT_EQ(hrac.startenergie, 42);
    EXPECT_EQ(hrac.startrychlost, 3);
}

}  // namespace
