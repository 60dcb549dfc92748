#include <gtest/gtest.h>

#include "combat/FightFixture.h"
#include "combat/FightView.h"

using namespace morvane;
using test::u8;

namespace {

TEST(FightView, ActionsAreTheLearnedAttacksInTableOrderGreyWhenAConditionFails) {
    test::FightGame t;
    t.game.utoky[3].umime = 0;
    t.fight({{"UTOK", "3k4"}, {"ZIVOTY", "7"}}, [&](Game& game) {
        EXPECT_EQ(DescribeFight(game).Label13, "3k4+0");  // the bonus is shown even when 0
        std::string actions;
        for (const FightAction& a : DescribeFight(game).actions) {
            actions += std::to_string(a.entry) + u8(a.text) + (a.enabled ? " " : "(grey) ");
        }
        EXPECT_EQ(actions, "1Sek 2Drtivý 4Zakázaný(grey) 5Nulový 6Zbraní ");
        ClickAction(game, 3);  // unlearned: nothing happens
        EXPECT_EQ(game.nepritel.zivoty, 7);
        ClickPicture(game);  // the enemy stands: the screen stays
        EXPECT_TRUE(FightOpen(game));
        ClickAction(game, 2);
    });
}

TEST(FightView, HoverTextsFollowThePointerAndClearOverThePicture) {
    test::FightGame t;
    t.game.predmety[3].mnozstvi = 1;
    t.game.kouzla[1].umime = 1;
    t.fight({{"ZIVOTY", "7"}}, [&](Game& game) {
        HoverAction(game, 6);
        FightView v = DescribeFight(game);
        EXPECT_EQ(u8(v.Popis_akce), "Seká zbraní, kterou právě drží v ruce, a to velmi \r\nsilně.");
        EXPECT_EQ(u8(v.Popis_akce_cost), "Útok: 2 až 7\rPoškození: 2");
        EXPECT_EQ(v.Label31 + "|" + v.Label32, "Energie: 0|Mana: 0");
        EXPECT_TRUE(v.cost_captions_shown);
        EXPECT_EQ(v.Summary3, "");

        HoverAction(game, 4);
        EXPECT_EQ(u8(DescribeFight(game).Summary3),
                  "Nutno: Počet životů je větší 100\rNesplněny podmínky akce !\r");

        ClickSpellButton(game);
        HoverSpell(game, 1);
        v = DescribeFight(game);
        EXPECT_EQ(u8(v.Popis_akce_cost), "Stojí: 4 many");
        EXPECT_TRUE(v.popis_akce_cost_blue);
        HoverPicture(game);
        v = DescribeFight(game);
        EXPECT_EQ(v.Popis_akce + v.Popis_akce_cost + v.Summary3, "");
        EXPECT_FALSE(v.popis_akce_cost_blue);
        EXPECT_FALSE(v.cost_captions_shown);

        ClickItemButton(game);
        HoverItem(game, 3);
        v = DescribeFight(game);
        EXPECT_EQ(u8(v.Popis_akce), "Hojí rány.");
        EXPECT_TRUE(v.popis_akce_black);
        HoverItemButton(game);
        EXPECT_EQ(u8(DescribeFight(game).Popis_akce), "Použít předmět");
        ClickAction(game, 2);
    });
}

}  // namespace
