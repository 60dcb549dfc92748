#include <gtest/gtest.h>

#include <array>
#include <tuple>

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
    EXPECT_EQ(toUtf8(hrac.jmeno.str() + "|" + hrac.startjmeno.str()), "Bořek|Bořek");
    EXPECT_EQ(std::make_tuple(hrac.penize, hrac.zkusenosti), std::make_tuple(50, 7));
    EXPECT_EQ((std::array{hrac.zivoty, hrac.maxzivoty, hrac.mana, hrac.maxmana, hrac.sila,
                          hrac.obratnost, hrac.rychlost, hrac.energie}),
              (std::array{20, 20, 8, 8, 5, 6, 3, 9}));
    EXPECT_EQ((std::array{hrac.startmaxzivoty, hrac.startmaxmana, hrac.startsila,
                          hrac.startobratnost, hrac.startrychlost, hrac.startenergie}),
              (std::array{20, 8, 5, 6, 3, 9}));
    EXPECT_EQ(std::to_array(hrac.cenaxp), (std::array{101, 102, 103, 104, 106, 105}));
    EXPECT_EQ(std::to_array(hrac.prirustekceny), (std::array{11, 12, 13, 14, 16, 15}));
    EXPECT_EQ(toUtf8(game.mena), "zlaťáků");

    hrac.sila = 40;
    hrac.energie = 42;
    SaveStartValues(hrac);
    EXPECT_EQ(std::make_tuple(hrac.startsila, hrac.startenergie, hrac.startrychlost),
              std::make_tuple(40, 42, 3));
}

TEST_F(NewHero, OnlyTheNameEntryFlagOneKeepsTheTypedNameAndAnEmptyCurrencyIsTaken) {
    game.definice.zadavanijmena = 1;
    game.definice.mena.assign("");
    hrac.jmeno.assign("Vilda");
    NewGameHero(game);
    EXPECT_EQ(hrac.jmeno.str() + "|" + hrac.startjmeno.str(), "Vilda|Vilda");
    EXPECT_EQ(game.mena, "");  // the built-in default is not kept

    // No name-entry screen is shown for other values, so nobody typed a name.
    game.definice.zadavanijmena = 2;
    NewGameHero(game);
    EXPECT_EQ(toUtf8(hrac.jmeno.str()), "Bořek");
}

TEST_F(NewHero, NothingOfAnEarlierGameInTheSameRunRemains) {
    game.objekty[3].mnozstvi = 2;
    game.objekty[3].jmeno.assign("klic");
    game.pocetobjektu = 3;
    game.bonusy.rychlost = 4;
    game.vysledeksouboje = 2;
    hrac.zasazenvsouboji = 1;
    hrac.kouzlavsouboji = 3;
    NewGameHero(game);
    EXPECT_EQ(game.objekty[3].mnozstvi, 0);
    EXPECT_TRUE(game.objekty[3].jmeno.empty());
    EXPECT_EQ(game.pocetobjektu + game.bonusy.rychlost + game.vysledeksouboje, 0);
    EXPECT_EQ(hrac.zasazenvsouboji + hrac.kouzlavsouboji, 0);
}

}  // namespace
