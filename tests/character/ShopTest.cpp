#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TradeFixture.h"
#include "character/ShopScreen.h"

using namespace morvane;
using morvane::test::TradeGame;
using morvane::test::utf8;

namespace {

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

}  // namespace
