#include <gtest/gtest.h>

#include "base/GameEnded.h"
#include "combat/BattleEffect.h"
#include "combat/FightFixture.h"
#include "combat/FightView.h"
#include "parser/Effect.h"

using namespace morvane;
using test::u8;

namespace {

enum Item { Bomba = 1, Chleba = 2, Lektvar = 3, Svitek = 4, Prach = 5 };
enum Spell { SilaZivota = 1, Meteor = 2 };
constexpr std::int32_t kSek = 1, kDrtivy = 2;

std::vector<std::string> captions(const FightView& view) {
    std::vector<std::string> texts;
    for (const FightListEntry& e : view.list.entries) {
        texts.push_back(u8(e.text) + (e.usable ? "" : " (yellow)"));
    }
    return texts;
}

TEST(FightItems, ListsOwnedFightItemsAndAnItemFellsTheEnemyWithExperienceOnce) {
    test::FightGame t;
    t.game.predmety[Bomba].mnozstvi = 2;
    t.game.predmety[Chleba].mnozstvi = 4;  // not for fights
    t.game.predmety[Lektvar].mnozstvi = 3;
    t.game.predmety[Svitek].mnozstvi = 1;  // its condition fails
    t.fight({{"ZIVOTY", "30"}, {"XP", "4"}}, [&](Game& game) {
        ClickItemButton(game);
        EXPECT_EQ(captions(DescribeFight(game)),
                  (std::vector<std::string>{"Bomba x 2", "Lektvar x 3", "Svitek (yellow)"}));
        ClickItem(game, Svitek);
        EXPECT_EQ(u8(game.souboj.screen.Summary1),
                  "Nutno: Počet životů je větší 100\rNesplněny podmínky použití!\r");
        EXPECT_EQ(game.predmety[Svitek].mnozstvi, 1);
        ClickItem(game, Bomba);
    });
    // The second effect finds the enemy down already.
    EXPECT_EQ(u8(t.game.souboj.screen.Summary2), "NEPŘÍTEL JE PORAŽEN!");
    EXPECT_EQ(t.game.hrac.zkusenosti, 4);
    EXPECT_EQ(t.game.vysledeksouboje, 2);
    EXPECT_EQ(t.game.predmety[Bomba].mnozstvi, 1);
    EXPECT_EQ(t.game.hrac.predmetyvsouboji, 1);
}

TEST(FightItems, OneItemOrSpellBetweenRoundsAndNoneWhileBarred) {
    test::FightGame t;
    t.game.predmety[Lektvar].mnozstvi = 1;
    t.game.predmety[Prach].mnozstvi = 1;
    t.fight({{"ZIVOTY", "900"}}, [&](Game& game) {
        ClickItemButton(game);
        ClickItem(game, Prach);
        EXPECT_TRUE(DescribeFight(game).summary2_white);
        ClickItemButton(game);  // hidden until the next round
        ClickItem(game, Lektvar);
        EXPECT_FALSE(DescribeFight(game).buttons_shown);
        ClickAction(game, kSek);
        ClickItemButton(game);
        ClickItem(game, Lektvar);
        ClickAction(game, kDrtivy);
    });
    EXPECT_EQ(t.game.hrac.predmetyvsouboji, 2);

    test::FightGame barred;
    barred.game.predmety[Lektvar].mnozstvi = 1;
    barred.fight({{"PREDMETY", "ne"}}, [&](Game& game) {
        HoverItemButton(game);
        ClickItemButton(game);
        const FightView view = DescribeFight(game);
        EXPECT_FALSE(view.items_allowed);
        EXPECT_EQ(view.Popis_akce, "");
        EXPECT_EQ(view.list.kind, FightListKind::None);
        ClickAction(game, kDrtivy);
    });
}

TEST(FightSpells, ManaPaysForASpellAndTooLittleIsRefused) {
    test::FightGame t;
    t.game.kouzla[SilaZivota].umime = 1;
    t.game.kouzla[Meteor].umime = 1;
    t.game.hrac.zivoty = 8;
    t.game.hrac.maxzivoty = 10;
    t.fight({{"ZIVOTY", "30"}}, [&](Game& game) {
        ClickSpellButton(game);
        EXPECT_EQ(captions(DescribeFight(game)),
                  (std::vector<std::string>{"Síla života", "Meteor (yellow)"}));
        ClickSpell(game, Meteor);
        EXPECT_EQ(u8(game.souboj.screen.Summary1), "Nedostatek many!\r");
        EXPECT_EQ(game.nepritel.zivoty, 30);

        ClickSpell(game, SilaZivota);
        EXPECT_EQ(u8(game.souboj.screen.Summary2),
                  "Tvůj maximální počet životů se zvýšil o 5\r\rVyléčil sis 7 životy\r");
        const FightView view = DescribeFight(game);
        EXPECT_EQ(view.Label15, "15 / 15");
        EXPECT_EQ(view.Label16, "6 / 10");
        ClickAction(game, kDrtivy);
    });
    EXPECT_EQ(t.game.bonusy.maxzivoty, 0);  // forgotten when the fight ends
    EXPECT_EQ(t.game.hrac.kouzlavsouboji, 1);
}

efekt effect(const char* text) { return ParseEffect(text); }

TEST(ApplyBattleEffect, LimitsReportsAndTheKindsItIgnores) {
    test::FightGame t;
    Game& game = t.game;
    std::string& summary = game.souboj.screen.Summary2;
    game.nepritel = enemy{"", {}, 0, 2, 0, 5, 10, 0};

    ApplyBattleEffect(game, effect("nobrana-5"));
    EXPECT_EQ(game.nepritel.obrana, 0);
    EXPECT_EQ(u8(summary), "Nepříteli se snížila obrana o 2\r");
    summary.clear();
    ApplyBattleEffect(game, effect("nzivoty+8"));
    EXPECT_EQ(game.nepritel.zivoty, 10);
    EXPECT_EQ(u8(summary), "Nepřítel si obnovil 5 životů\r");
    summary.clear();

    summary = "x";
    ApplyBattleEffect(game, effect("sila+3"));  // not a fight kind
    ApplyBattleEffect(game, effect("utok*2"));  // not a fight operation
    ApplyBattleEffect(game, effect("nutok-2"));
    ApplyBattleEffect(game, effect("rychlost+1"));
    EXPECT_EQ(u8(summary),
              "x\r\r\rNepříteli se snížil útok o 2\r\rTvoje rychlost se zvýšila o 1\r");
    EXPECT_EQ(game.hrac.sila, 0);
    EXPECT_EQ(game.bonusy.utok, 0);
    EXPECT_EQ(game.nepritel.utok.bonus, -2);

    game.hrac.zivoty = 25;  // above the limit: healing takes nothing away
    ApplyBattleEffect(game, effect("zivoty+4"));
    EXPECT_EQ(game.hrac.zivoty, 25);
}

TEST(ApplyBattleEffect, AWoundFromAnEffectKillsEvenWhereTheHeroCannotDieInARound) {
    test::FightGame t;
    t.folder.write("data/kouzla.vrn", cz("1,\"Trest\",\"\",0,zivoty-25\n"));
    t.game.kouzla[1].umime = 1;
    const auto cast = [](Game& game) {
        ClickSpellButton(game);
        ClickSpell(game, 1);
    };
    EXPECT_THROW(t.fight({{"NEUMIREJ", "1"}}, cast), GameEnded);
    EXPECT_EQ(t.frontend.deaths, 1);
}

}  // namespace
