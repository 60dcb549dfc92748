#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "base/Win1250.h"
#include "character/CharacterSheet.h"
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

class CharacterSheetTest : public ::testing::Test {
protected:
    CharacterSheetTest() {
        hrac.jmeno.assign(cz("Bořek"));
        hrac.zivoty = 15, hrac.maxzivoty = 20, hrac.mana = 3, hrac.maxmana = 8;
        hrac.sila = 5, hrac.obratnost = 6, hrac.rychlost = 7, hrac.energie = 9;
        for (int i = 0; i < 6; ++i) hrac.cenaxp[i] = 100 + i;
    }

    test::TestGame t;
    Game& game = t.game;
    postava& hrac = game.hrac;
};

TEST_F(CharacterSheetTest, EachPointCostsMoreByTheStepUntilTheXpRunsShort) {
    hrac.zkusenosti = 45;
    hrac.price(PriceSlot::Sila) = 10;
    hrac.priceStep(PriceSlot::Sila) = 5;
    for (std::int32_t left : {35, 20, 0}) {
        ASSERT_TRUE(PrepareSheet(game).plusVisible(PriceSlot::Sila));
        EXPECT_TRUE(Train(game, PriceSlot::Sila));
        EXPECT_EQ(hrac.zkusenosti, left);
    }
    const CharacterSheet sheet = PrepareSheet(game);
    EXPECT_FALSE(sheet.plusVisible(PriceSlot::Sila));
    EXPECT_EQ(sheet.Label3 + "/" + sheet.Label7, "8/0");
    EXPECT_FALSE(Train(game, PriceSlot::Sila));  // what the window hides can't be bought
    EXPECT_EQ(hrac.sila, 8);

    // Hit points and mana raise value and maximum; no limit check runs.
    hrac.zkusenosti = 1000;
    hrac.zivoty = -4;
    hrac.priceStep(PriceSlot::Zivoty) = -1;
    EXPECT_TRUE(Train(game, PriceSlot::Zivoty) && Train(game, PriceSlot::Mana));
    EXPECT_EQ(PrepareSheet(game).Label1 + " " + PrepareSheet(game).Label2, "-3 / 21 4 / 9");
    EXPECT_EQ(hrac.price(PriceSlot::Zivoty), 99);
    EXPECT_EQ(hrac.zkusenosti, 1000 - 100 - 101);
    EXPECT_EQ(t.frontend.deaths, 0);
}

TEST_F(CharacterSheetTest, ShowsTheHeroHisEquipmentAndPricedHints) {
    hrac.zkusenosti = 103;  // covers hit points, mana, strength and agility
    hrac.zbran.nazev.assign(cz("Meč"));
    hrac.zbran.utok = kostka{6, 2, 1};
    hrac.zbran.poskozeni = 3;
    hrac.zbroj.nazev.assign(cz("Kůže"));
    hrac.zbroj.obrana = 4;
    hrac.zbroj.tvrdost = 2;
    CharacterSheet sheet = PrepareSheet(game);
    EXPECT_EQ(toUtf8(sheet.Jmeno), "Bořek");
    EXPECT_EQ(sheet.Label3 + sheet.Label4 + sheet.Label5 + sheet.Label6, "5679");
    EXPECT_EQ(toUtf8(sheet.Label8), "Meč (útok 2k6+1, poškození 3)");
    EXPECT_EQ(toUtf8(sheet.Label9), "Kůže (obrana 4, tvrdost 2)");
    const bool shown[6] = {true, true, true, true, false, false};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(sheet.plus[i], shown[i]) << i;

    hrac.zbran.utok.bonus = -2;
    hrac.zbroj.postih = 1;
    hrac.zkusenosti = -1;
    sheet = PrepareSheet(game);
    EXPECT_EQ(toUtf8(sheet.Label8), "Meč (útok 2k6-2, poškození 3)");
    EXPECT_EQ(toUtf8(sheet.Label9), "Kůže (obrana 4, tvrdost 2, útok -1)");
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(sheet.plus[i]) << i;

    EXPECT_EQ(toUtf8(TrainingHint(game, PriceSlot::Zivoty)), "Zvýšení počtu životů 100 XP");
    EXPECT_EQ(toUtf8(TrainingHint(game, PriceSlot::Sila)), "Zvýšení síly 102 XP");
    EXPECT_EQ(toUtf8(TrainingHint(game, PriceSlot::Rychlost)), "Zvýšení rychlosti 105 XP");
}

}  // namespace
