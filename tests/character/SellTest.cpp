#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TradeFixture.h"
#include "character/SellScreen.h"

using namespace morvane;
using morvane::test::TradeGame;
using morvane::test::utf8;

namespace {

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
    TradeGame t("<1><PRODEJ TYP=\"vse\"><2><PRODEJ TYP=\"zbroje\" PROCENT=\"100\">");
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
}

}  // namespace
