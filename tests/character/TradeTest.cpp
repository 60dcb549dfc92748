#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/GameEnded.h"
#include "base/Win1250.h"
#include "character/Equipment.h"
#include "character/Inventory.h"
#include "character/SellScreen.h"
#include "character/ShopScreen.h"
#include "game/ContentLoader.h"
#include "support/StoryGame.h"

// The inventory, the shop and the sell screen, over a game with a small
// library of weapons, armours and items read from its own files, a shop file,
// and a hero with 30 gold.
using namespace morvane;

namespace {

// Weapons: 1 Dýka (equipped at the start), 2 Meč (sila+2, obratnost-1, needs
// strength 5), 3 Kyj (free). Armours: 1 Kůže (equipped), 2 Kroužky (attack
// penalty 2, maxzivoty+5, price 29). Items: 1 Lektvar heals 10, 2 Jed takes
// 30 hit points, 3 Bomba is for fights, 4 Svitek (free) needs 100 hit points,
// 5 Elixír does five things at once.
constexpr std::string_view kTradeWeapons =
    "1,\"Dýka\",\"Krátká čepel.\",1k4,1,10\n"
    "2,\"Meč\",\"Dlouhá čepel.\",1k6-1,2,15,sila+2,obratnost-1,[SILA 0 >= \"5]\n"
    "3,\"Kyj\",\"\",1k3,0,0,promenna1+1\n";
constexpr std::string_view kTradeArmours =
    "1,\"Kůže\",\"Měkká.\",3,2,0,8\n"
    "2,\"Kroužky\",\"Těžké.\",5,3,2,29,maxzivoty+5\n";
constexpr std::string_view kTradeItems =
    "1,\"Lektvar\",\"Hojí rány.\",5,vzdy,zivoty+10\n"
    "2,\"Jed\",\"Nepij.\",3,mimoboj,zivoty-30\n"
    "3,\"Bomba\",\"Vybuchne.\",20,boj,nzivoty-50\n"
    "4,\"Svitek\",\"Mocný.\",0,vzdy,[ZIVOTY 0 > \"100],sila+1\n"
    "5,\"Elixír\",\"\",1,vzdy,maxzivoty-15,mana+20,sila-1,xp+3,promenna7=4\n";

struct TradeGame : test::StoryGame {
    explicit TradeGame(std::string_view story = "<1>\r\n", std::string_view shops = {})
        : StoryGame(story) {
        folder.write("data/zbrane.vrn", cz(kTradeWeapons));
        folder.write("data/zbroje.vrn", cz(kTradeArmours));
        folder.write("data/predmety.vrn", cz(kTradeItems));
        if (!shops.empty()) folder.write("data/obchod.vrn", cz(shops));
        LoadContentTables(game);
        EquipStartingGear(game);
        game.mena = cz("zlaťáků");
        postava& hrac = game.hrac;
        hrac.penize = 30, hrac.zivoty = 18, hrac.maxzivoty = 20;
        hrac.mana = 5, hrac.maxmana = 10, hrac.sila = 4;
    }
};

// A Windows-1250 text of the core as UTF-8, for comparing with literals.
std::string utf8(const std::string& text) { return toUtf8(text); }

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
    // A braced list runs its parts in order: each hover, then the status it left.
    const std::vector<std::string> hints{
        (HoverInventoryItem(game, 3), status()),   (HoverInventoryItem(game, 4), status()),
        (HoverInventoryWeapon(game, 2), status()), (HoverInventoryArmour(game, 2), status()),
        (HoverInventoryObject(game, 3), status()), (HoverInventoryClose(game), status())};
    EXPECT_EQ(hints, (std::vector<std::string>{
                         "Vybuchne.\rPouze v boji\r",  // the break stays without conditions
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
    // Swapping back and an empty pack are PossessionsTest's.
}

// Each good as "name typ number price", in list order.
std::vector<std::string> goods(const Game& game) {
    std::vector<std::string> list;
    for (const ShopGood& g : DescribeShop(game).goods) {
        list.push_back(utf8(g.text) + " " + g.typ + " " + std::to_string(g.cislo) + " " +
                       std::to_string(g.cena));
    }
    return list;
}

constexpr std::string_view kShops =
    "1, zbran2, predmet1\n"
    "\n"
    "bez čísla, zbran1\n"
    " 2 , zbran2, 1 zbroj, zbroj2 ,predmet4, zbran7, kouzlo1, zbran, , predmet3;zbran1\n";

TEST(Shop, LoadsTheChosenLineAndLeavesOutFaultyGoods) {
    TradeGame t("<1><OBCHOD CISLO=\"2\"><PENIZE PLUS=\"1\">", kShops);
    std::vector<std::string> seen;
    std::vector<std::string> hints;
    t.frontend.shop = [&] {
        Game& g = t.game;
        seen = goods(g);
        for (std::int32_t k = 1; k <= 5; ++k) {
            HoverGood(g, k);
            hints.push_back(utf8(DescribeShop(g).Label3));
        }
        HoverShopClose(g);
        hints.push_back(utf8(DescribeShop(g).Label3));
        HoverGood(g, 6);  // past the last good: the background
        hints.push_back(utf8(DescribeShop(g).Label3));
    };
    t.go(1);

    // Weapon 7 is not loaded, spells are not sold, a good needs a number, and
    // a ";" ends the line.
    EXPECT_EQ(seen,
              (std::vector<std::string>{"Meč zbran 2 15", "Kůže zbroj 1 8", "Kroužky zbroj 2 29",
                                        "Svitek predmet 4 0", "Bomba predmet 3 20"}));
    EXPECT_EQ(hints, (std::vector<std::string>{
                         "Meč\rútok 1k6-1, poškození 2\rDlouhá čepel.\rCena: 15 zlaťáků",
                         "Kůže\robrana 3, tvrdost 2\rMěkká.\rCena: 8 zlaťáků",
                         "Kroužky\robrana 5, tvrdost 3, útok -2\rTěžké.\rCena: 29 zlaťáků",
                         "Svitek\rMocný.\rMožno použít kdykoli\rCena: 0 zlaťáků",
                         "Bomba\rVybuchne.\rMožno použít v boji\rCena: 20 zlaťáků",
                         "Ukončit obchodování", ""}));
    // The location goes on once the shop is closed.
    EXPECT_EQ(t.frontend.shopScreens, 1);
    EXPECT_EQ(t.game.hrac.penize, 31);
}

TEST(Shop, BuysOnePieceAClickUntilTheMoneyRunsOut) {
    TradeGame t("<1><OBCHOD>", kShops);
    std::vector<std::string> results;
    t.frontend.shop = [&] {
        for (int i = 0; i < 3; ++i) {
            Buy(t.game, 1);
            const ShopView view = DescribeShop(t.game);
            results.push_back(utf8(view.Label2 + " / " + view.Label5));
        }
        Buy(t.game, 9);  // no such good: nothing happens
    };
    t.go(1);

    EXPECT_EQ(results, (std::vector<std::string>{"Máme 15 zlaťáků / Koupil jsi Meč",
                                                 "Máme 0 zlaťáků / Koupil jsi Meč",
                                                 "Máme 0 zlaťáků / Nemáš dostatek peněz!!!"}));
    EXPECT_EQ(t.game.zbrane[2].mnozstvi, 2);
    EXPECT_EQ(t.game.hrac.penize, 0);
    EXPECT_EQ(DescribeShop(t.game).Label5, cz("Nemáš dostatek peněz!!!"));
}

TEST(Shop, MissingFileOrLineGivesAnEmptyShopAndTwentyGoodsAtMost) {
    TradeGame none("<1><OBCHOD CISLO=\"1\">");
    none.go(1);
    EXPECT_EQ(none.frontend.shopScreens, 1);
    EXPECT_TRUE(goods(none.game).empty());
    EXPECT_TRUE(none.frontend.messages.empty());

    std::string line = "3";
    for (int i = 0; i < 25; ++i) line += ", predmet1";
    TradeGame t("<1><OBCHOD CISLO=\"4\"><2><OBCHOD CISLO=\"3\"><3><OBCHOD CISLO=\"x\">",
                std::string(kShops) + line + "\n");
    t.go(1);
    EXPECT_TRUE(goods(t.game).empty());
    t.go(2);
    EXPECT_EQ(goods(t.game).size(), 20u);
    Buy(t.game, 20);
    EXPECT_EQ(t.game.predmety[1].mnozstvi, 1);
    // A shop number that is not a number stops the location before the shop opens.
    t.go(3);
    EXPECT_EQ(t.frontend.shopScreens, 2);
    EXPECT_EQ(t.frontend.errors, (std::vector<std::string>{"'x' is not a valid integer value"}));
}

// Each visible line as "place text", in screen order.
std::vector<std::string> lines(const Game& game) {
    std::vector<std::string> list;
    for (const SellLine& l : DescribeSell(game).lines) {
        if (l.visible) list.push_back(std::to_string(l.poradi) + " " + utf8(l.text));
    }
    return list;
}

// A pack with two swords, a club, the chain mail, two potions, a free scroll;
// the dagger and the leather are only worn.
void fillPack(Game& game) {
    game.zbrane[2].mnozstvi = 2;
    game.zbrane[3].mnozstvi = 1;
    game.zbroje[2].mnozstvi = 1;
    game.predmety[1].mnozstvi = 2;
    game.predmety[4].mnozstvi = 1;
}

TEST(Sell, ListsTheKindsTheCategoryNamesAndOnlyPiecesWithAPrice) {
    TradeGame t("<1><PRODEJ><2><PRODEJ TYP=\"vse\"><3><PRODEJ TYP=\"PredmetyZbroje\">");
    fillPack(t.game);
    std::vector<std::vector<std::string>> seen;
    t.frontend.sell = [&] { seen.push_back(lines(t.game)); };
    for (int n = 1; n <= 3; ++n) t.go(n);

    EXPECT_EQ(seen,
              (std::vector<std::vector<std::string>>{{"1 Meč x2"},
                                                     {"1 Meč x2", "1 Kroužky x1", "1 Lektvar x2"},
                                                     {"1 Kroužky x1", "1 Lektvar x2"}}));
    // The lines go with the screen.
    EXPECT_TRUE(DescribeSell(t.game).lines.empty());
}

TEST(Sell, PaysThePercentageRoundedDownAndHidesASoldOutLine) {
    TradeGame t("<1><PRODEJ TYP=\"vse\"><2><PRODEJ TYP=\"zbroje\" PROCENT=\"100\">"
                "<3><PRODEJ TYP=\"zbroje\">");
    fillPack(t.game);
    std::vector<std::string> log;
    t.frontend.sell = [&] {
        Game& g = t.game;
        HoverSellLine(g, SellKind::Weapon, 2);
        log.push_back(utf8(DescribeSell(g).Status));
        Sell(g, SellKind::Weapon, 2);
        log.push_back(utf8(DescribeSell(g).Label2));
        Sell(g, SellKind::Weapon, 2);
        EXPECT_FALSE(Sell(g, SellKind::Weapon, 2));  // the line is gone
        EXPECT_FALSE(Sell(g, SellKind::Weapon, 1));  // the worn dagger has no line
        HoverSellBackground(g);
        log.push_back(utf8(DescribeSell(g).Status));
        // The other lines keep their places.
        const std::vector<SellLine> all = DescribeSell(g).lines;
        ASSERT_EQ(all.size(), 3u);
        EXPECT_FALSE(all[0].visible);
        EXPECT_EQ(utf8(all[0].text), "Meč x0");
        EXPECT_EQ(utf8(all[2].text), "Lektvar x2");
    };
    t.go(1);
    EXPECT_EQ(log, (std::vector<std::string>{"Prodejní cena: 7 (hodnota 15) zlaťáků\rDlouhá čepel.",
                                             "Máme 37 zlaťáků", ""}));
    EXPECT_EQ(t.game.hrac.penize, 44);
    EXPECT_EQ(t.game.zbrane[2].mnozstvi, 0);

    // 29 at 100 % is 29, not the 28 a floating-point 0.29 × 100 would give.
    t.frontend.sell = [&] { Sell(t.game, SellKind::Armour, 2); };
    t.go(2);
    EXPECT_EQ(t.game.hrac.penize, 73);
    EXPECT_EQ(t.game.zbroje[2].mnozstvi, 0);

    // Without a percentage, half: at a price of 100 every percentage pays a different sum.
    t.game.zbroje[2].cena = 100;
    t.game.zbroje[2].mnozstvi = 1;
    t.frontend.sell = [&] { EXPECT_TRUE(Sell(t.game, SellKind::Armour, 2)); };
    t.go(3);
    EXPECT_EQ(t.game.hrac.penize, 73 + 50);
}

}  // namespace
