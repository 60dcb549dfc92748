#include <gtest/gtest.h>

#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "support/TestGame.h"

using namespace morvane;

namespace {

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
    EXPECT_EQ(toUtf8(CloseHint()), "Zavřít");
}

}  // namespace
