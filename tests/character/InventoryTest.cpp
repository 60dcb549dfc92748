#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TradeFixture.h"
#include "base/GameEnded.h"
#include "character/Inventory.h"

using namespace morvane;
using morvane::test::TradeGame;
using morvane::test::utf8;

namespace {

// Each line as "number text", with "*" for a click that does something.
std::vector<std::string> text(const std::vector<InventoryLine>& lines) {
    std::vector<std::string> list;
    for (const InventoryLine& l : lines) {
        list.push_back(std::to_string(l.cislo) + " " + utf8(l.text) + (l.clickable ? "*" : ""));
    }
    return list;
}

struct Inventory : ::testing::Test {
    TradeGame t;
    Game& game = t.game;

    void SetUp() override {
        obj& letter = game.objekty[1];
        letter.jmeno.assign("Dopis");
        letter.mnozstvi = 1;
        obj& key = game.objekty[3];
        key.jmeno.assign(cz("Klíč"));
        key.popis.assign(cz("Starý klíč od sklepa."));
        key.obrazek.assign("klic.png");
        key.sirka = 40;
        key.vyska = 30;
        key.mnozstvi = 2;
        game.pocetobjektu = 3;
        OpenInventory(game);
    }
    std::string status() { return utf8(DescribeInventory(game).Status); }
    std::string status2() { return utf8(DescribeInventory(game).Status2); }
};

TEST_F(Inventory, ListsEachKindWithItsCountsAndClicks) {
    game.predmety[1].mnozstvi = 3;
    game.predmety[3].mnozstvi = 1;
    game.zbrane[2].mnozstvi = 2;
    game.zbroje[2].mnozstvi = 1;
    const InventoryView view = DescribeInventory(game);
    EXPECT_EQ(utf8(view.Label9 + " " + view.Prachy), "Zlaťáků 30");
    EXPECT_EQ(text(view.objekty), (std::vector<std::string>{"1 Dopis", "3 Klíč x 2*"}));
    EXPECT_TRUE(view.objekty[1].maroon);
    EXPECT_EQ(text(view.predmety), (std::vector<std::string>{"1 Lektvar x 3*", "3 Bomba"}));
    EXPECT_EQ(text(view.zbrane), (std::vector<std::string>{"2 Meč x 2*"}));
    EXPECT_EQ(text(view.zbroje), (std::vector<std::string>{"2 Kroužky*"}));

    EXPECT_FALSE(ViewObject(game, 1));
    EXPECT_TRUE(ViewObject(game, 3));
    ASSERT_EQ(t.frontend.pictures.size(), 1u);
    const auto& picture = t.frontend.pictures[0];
    EXPECT_EQ(picture.file + " " + utf8(picture.caption), "./obrazky/klic.png Klíč");
    EXPECT_EQ(picture.width * 100 + picture.height, 4030);
    EXPECT_FALSE(picture.ownSize);
    EXPECT_FALSE(UseItem(game, 3));  // a fight item does nothing here
    EXPECT_EQ(game.predmety[3].mnozstvi, 1);
}

TEST_F(Inventory, HintsTellUsageEffectsAndConditions) {
    game.predmety[3].mnozstvi = 1;
    game.predmety[4].mnozstvi = 1;
    game.zbrane[2].mnozstvi = 1;
    game.zbroje[2].mnozstvi = 1;
    std::vector<std::string> hints;
    HoverInventoryItem(game, 3);
    hints.push_back(status());
    HoverInventoryItem(game, 4);
    hints.push_back(status());
    HoverInventoryWeapon(game, 2);
    hints.push_back(status());
    HoverInventoryArmour(game, 2);
    hints.push_back(status());
    HoverInventoryObject(game, 3);
    hints.push_back(status());
    HoverInventoryClose(game);
    hints.push_back(status());
    EXPECT_EQ(hints, (std::vector<std::string>{
                         "Vybuchne.\rPouze v boji",
                         "Mocný.\rMožno použít vždy\r\rNesplněno: Počet životů je větší 100",
                         "Meč (útok 1k6-1, poškození 2)\rDlouhá čepel.\r\rSíla + 2\rObratnost - 1"
                         "\rNesplněno: Síla je větší nebo rovno 5",
                         "Kroužky (obrana 5, tvrdost 3, útok -2)\rTěžké.\r\rMaximum životů + 5",
                         "Starý klíč od sklepa.", "Zavřít"}));
}

TEST_F(Inventory, ItemsHealToThePlainMaximumAndKeepTheirResultAWhile) {
    game.predmety[1].mnozstvi = 1;
    game.bonusy.maxzivoty = 10;  // a fight bonus does not raise the limit of healing
    EXPECT_TRUE(UseItem(game, 1));
    EXPECT_EQ(game.hrac.zivoty, 20);
    EXPECT_TRUE(DescribeInventory(game).predmety.empty());
    EXPECT_EQ(status2(), "\rVyléčil sis 2 životy\r");

    HoverInventoryBackground(game);  // the clock has not moved on
    EXPECT_EQ(status2(), "\rVyléčil sis 2 životy\r");
    t.clock.time.second += 1;
    HoverInventoryBackground(game);
    EXPECT_EQ(status2(), "");
}

TEST_F(Inventory, ItemEffectsChangeTheHeroAsTheirTableSays) {
    game.predmety[5].mnozstvi = 1;
    game.stavhry.vypisujpromenne = 1;
    EXPECT_TRUE(UseItem(game, 5));
    EXPECT_EQ(status2(),
              "\rSnížila se ti hranice životů o 15\rObnovil sis 5 many.\rSnížila se ti síla o 1"
              "\rZískal jsi 3 XP!\r$7 se změnila na 4\r");
    const postava& h = game.hrac;
    EXPECT_EQ(std::vector<int>({h.maxzivoty, h.zivoty, h.mana, h.sila, h.zkusenosti}),
              std::vector<int>({5, 5, 10, 3, 3}));
    EXPECT_EQ(game.stavhry.promenne[6], 4);

    game.predmety[2].mnozstvi = 1;
    EXPECT_THROW(UseItem(game, 2), GameEnded);
    EXPECT_EQ(t.frontend.deaths, 1);
}

TEST_F(Inventory, UnmetConditionsRefuseUseAndEquipping) {
    game.predmety[4].mnozstvi = 1;
    game.zbrane[2].mnozstvi = 1;
    EXPECT_FALSE(UseItem(game, 4));
    EXPECT_FALSE(EquipFromInventory(game, GearSlot::Weapon, 2));
    EXPECT_EQ(status2(),
              "\rNutno: Počet životů je větší 100\rNesplněny podmínky použití!\r"
              "\rNutno: Síla je větší nebo rovno 5\rNesplněny podmínky použití!\r");
    EXPECT_EQ(game.predmety[4].mnozstvi, 1);
    EXPECT_EQ(game.zbrane[2].mnozstvi, 1);
    EXPECT_EQ(game.hrac.zbran.cislo, 1);
    EXPECT_EQ(game.hrac.sila, 4);
}

TEST_F(Inventory, EquippingSwapsPackCountsAndBonuses) {
    game.hrac.sila = 5;
    game.zbrane[2].mnozstvi = 1;
    game.zbroje[2].mnozstvi = 1;
    EXPECT_TRUE(EquipFromInventory(game, GearSlot::Weapon, 2));
    EXPECT_TRUE(EquipFromInventory(game, GearSlot::Armour, 2));
    EXPECT_EQ(status2(), "\rChopil ses zbraně Meč\r\rOblékl jsi zbroj Kroužky\r");
    EXPECT_EQ(text(DescribeInventory(game).zbrane), (std::vector<std::string>{"1 Dýka*"}));
    EXPECT_EQ(text(DescribeInventory(game).zbroje), (std::vector<std::string>{"1 Kůže*"}));
    EXPECT_EQ(game.hrac.sila, 7);
    EXPECT_EQ(game.hrac.maxzivoty, 25);
    EXPECT_EQ(game.hrac.zivoty, 18);

    EXPECT_TRUE(EquipFromInventory(game, GearSlot::Weapon, 1));
    EXPECT_EQ(game.hrac.sila, 5);
    EXPECT_EQ(game.zbrane[2].mnozstvi, 1);
    EXPECT_FALSE(EquipFromInventory(game, GearSlot::Weapon, 1));  // no dagger left in the pack
}

}  // namespace
