#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "base/GameEnded.h"
#include "combat/FightFixture.h"
#include "combat/FightView.h"
#include "shell/Colour.h"

using namespace morvane;
using test::u8;

namespace {

enum Attack { Sek = 1, Drtivy = 2, Mocny = 3, Zakazany = 4, Nulovy = 5, Zbrani = 6 };

TEST(FightCommand, SetsTheEnemyInWrittenOrderAndKeepsWhatANewFightLeavesOut) {
    test::FightGame t;
    t.game.hrac.sila = -3;
    FightView first;
    t.fight({{"JMENO", cz("Vlk")},
             {"UTOK", "1k10-2"},
             {"OBRANA", "4"},
             {"TVRDOST", "1"},
             {"POSKOZENI", "3"},
             {"XP", "5"},
             {"ZRANEN", "9"},
             {"ZIVOTY", "10"},
             {"ZRANEN", "4"},
             {"KOUZLA", "nE"},
             {"PREDMETY", ""},
             {"NEZNAMY", "x"}},
            [&](Game& game) {
                first = DescribeFight(game);
                ClickAction(game, Drtivy);
            });
    EXPECT_EQ(first.Jmeno, "Vlk");
    EXPECT_EQ(first.Label12, "6 / 10");
    EXPECT_EQ(first.Label13, "1k10-2");
    // The hero's side: speed, weapon attack (1 - 3 strength - 1 armour penalty),
    // defence, toughness, damage.
    EXPECT_EQ(first.Jmeno_hrac + " " + first.Label17 + " " + first.Label19 + " " + first.Label20 +
                  " " + first.Label27 + " " + first.Label28,
              "Jan 2 1k6+-3 8 2 2");
    EXPECT_TRUE(first.open && !first.ended);
    EXPECT_FALSE(first.spells_allowed);
    EXPECT_TRUE(first.items_allowed);
    EXPECT_EQ(t.game.vysledeksouboje, 2);
    EXPECT_EQ(t.game.hrac.zkusenosti, 5);

    FightView second;
    t.fight({{"JMENO", "Kanec"}, {"ZIVOTY", "8"}}, [&](Game& game) {
        second = DescribeFight(game);
        ClickAction(game, Drtivy);
    });
    EXPECT_EQ(second.Label12, "8 / 8");
    EXPECT_EQ(second.Label13 + " " + second.Label14 + " " + second.Label25 + " " + second.Label26,
              "1k10-2 4 3 1");
    EXPECT_TRUE(second.spells_allowed);
    EXPECT_EQ(t.game.hrac.zkusenosti, 10);
    EXPECT_EQ(t.frontend.fights, 2);
}

TEST(FightCommand, ABadNumberStopsItBeforeTheScreenOpens) {
    test::FightGame t("<1>\r\n<SOUBOJ ZIVOTY=\"5\" XP=\"x1\">\r\n<TEXT TEXT=\"dál\">\r\n");
    t.go(1);
    EXPECT_EQ(t.frontend.errors, std::vector<std::string>{"'x1' is not a valid integer value"});
    EXPECT_EQ(t.frontend.fights, 0);
    EXPECT_EQ(t.game.vysledeksouboje, 1);
}

// A test that plays the fight screen fails when the screen never opens: here
// a bad number stops the fight command before it shows the screen.
TEST(FightCommand, ATestWhoseFightScreenNeverOpensFails) {
    EXPECT_NONFATAL_FAILURE(
        {
            test::FightGame t("<1>\r\n<SOUBOJ ZIVOTY=\"x\">\r\n");
            t.frontend.fight = [] {};
            t.go(1);
        },
        "the fight screen the test plays never opened");
}

TEST(FightCommand, AVictoryIsReportedInLimeAndTheLocationGoesOn) {
    test::FightGame t("<1>\r\n<SOUBOJ ZIVOTY=\"5\" XP=\"12\">\r\n<PROMENNA 9=\"1\">\r\n");
    t.frontend.fight = [&] {
        EXPECT_EQ(t.view().Label18, "5 / 11");  // half the energy, rounded down
        ClickAction(t.game, Drtivy);
        EXPECT_TRUE(t.view().ended);
        EXPECT_FALSE(FightOpen(t.game));
    };
    t.game.hrac.energie = 11;
    t.go(1);
    EXPECT_EQ(u8(t.game.historie[0].text), "Vyhrál jsi! Za poražení nepřítele získáváš 12 XP");
    EXPECT_EQ(t.game.historie[0].barva, ParseColour("Lime"));
    EXPECT_EQ(t.var(9), 1);
    EXPECT_TRUE(t.frontend.errors.empty());
}

// Enemy 2k6+1 with damage 3 against defence 8 (armour 3, agility 5) and
// toughness 2.
TEST(BattleRound, TheEnemyDodgedOrWoundingWithRolledDice) {
    test::FightGame t;
    // Each round: the enemy's two dice, then one weapon die for each of the hero's formulas.
    t.dice.faces = {2, 4, 1, 1, 6, 5, 1, 1, 1, 1};
    std::string firstRound, secondRound;
    t.fight({{"UTOK", "2k6+1"}, {"POSKOZENI", "3"}, {"ZIVOTY", "30"}, {"OBRANA", "100"}},
            [&](Game& game) {
                ClickAction(game, Sek);
                firstRound = game.souboj.screen.Summary1;
                EXPECT_EQ(game.hrac.zivoty, 20);
                ClickAction(game, Sek);
                secondRound = game.souboj.screen.Summary1;
                ClickAction(game, Drtivy);
            });
    EXPECT_EQ(u8(firstRound), "Výsledný útok nepřítele je 7, tvá obrana je 8.\rÚspěšně jsi uhnul!");
    EXPECT_EQ(u8(secondRound),
              "Výsledný útok nepřítele je 12, tvá obrana je 8.\rZtrácíš 5 životů. "
              "(12 útok +3 poškození -8 obrana -2 tvrdost)");
    EXPECT_EQ(t.game.hrac.zivoty, 20 - 5);
    EXPECT_EQ(t.game.hrac.zasazenvsouboji, 1);
}

// Against defence 8 (armour 3, agility 5) and toughness 2; a fight bonus of
// defence counts against the enemy's attack too.
TEST(BattleRound, AnAttackOfExactlyTheDefenceIsDodgedAndOneMoreWoundsOnlyPastToughness) {
    struct Case {
        const char* utok;
        const char* poskozeni;
        std::int32_t bonus, lost;
        const char* ending;
    };
    const Case cases[] = {
        {"0k6+8", "5", 0, 0, "Úspěšně jsi uhnul!"},
        {"0k6+9", "1", 0, 0,
         "Neutrpěl jsi však žádné zranění! (9 útok +1 poškození -8 obrana -2 tvrdost)"},
        {"0k6+9", "2", 0, 1, "Ztrácíš 1 životů. (9 útok +2 poškození -8 obrana -2 tvrdost)"},
        {"0k6+9", "5", 1, 0, "Úspěšně jsi uhnul!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.utok) + " bonus " + std::to_string(c.bonus));
        test::FightGame t;
        t.fight({{"UTOK", c.utok}, {"POSKOZENI", c.poskozeni}, {"ZIVOTY", "1"}}, [&](Game& game) {
            game.bonusy.obrana = c.bonus;
            ClickAction(game, Drtivy);
        });
        const std::string summary = u8(t.game.souboj.screen.Summary1);
        EXPECT_EQ(summary.substr(0, summary.find('\r')), "Výsledný útok nepřítele je " +
                  std::string(c.utok + 4) + ", tvá obrana je " + std::to_string(8 + c.bonus) + ".");
        EXPECT_EQ(summary.substr(summary.find('\r') + 1), c.ending);
        EXPECT_EQ(t.game.hrac.zivoty, 20 - c.lost);
        EXPECT_EQ(t.game.hrac.zasazenvsouboji, c.lost > 0 ? 1 : 0);
    }
}

TEST(BattleRound, MissHitAndHitWithoutDamageApplyTheirOwnListsThenTheAlwaysList) {
    struct Case {
        const char* obrana;
        const char* tvrdost;
        const char* summary;
        std::int32_t missed, hit, enemyLeft;
    };
    const Case cases[] = {
        {"6", "0", "Vedle\r(d.) Proměnná $1 se zvýšila o 1 na 1\r", 1, 0, 30},
        {"5", "4", "Bez škody\r(d.) Proměnná $2 se zvýšila o 1 na 1\r", 0, 1, 30},
        {"5", "0", "Zásah za 4\r(6-5)\r(d.) Proměnná $2 se zvýšila o 1 na 1\r", 0, 1, 26},
    };
    for (const Case& c : cases) {
        test::FightGame t;
        t.game.stavhry.vypisujpromenne = 1;
        t.fight({{"ZIVOTY", "30"}, {"OBRANA", c.obrana}, {"TVRDOST", c.tvrdost}}, [&](Game& game) {
            ClickAction(game, Sek);
            EXPECT_EQ(u8(game.souboj.screen.Summary2),
                      std::string(c.summary) + "\r(d.) Proměnná $3 se zvýšila o 1 na 1\r")
                << c.obrana << c.tvrdost;
            EXPECT_EQ(game.nepritel.zivoty, c.enemyLeft);
            EXPECT_FALSE(DescribeFight(game).summary2_white);
            ClickAction(game, Drtivy);
        });
        EXPECT_EQ(t.var(1), c.missed);
        EXPECT_EQ(t.var(2), c.hit);
        EXPECT_EQ(t.var(3), 1);
        // Costs 2 energy and 1 mana; speed 2 refills it each round.
        EXPECT_EQ(t.game.hrac.energievsouboji, 5 - 2 + 2 + 2);
        EXPECT_EQ(t.game.hrac.mana, 9);
    }
}

// A spell or an action costing exactly what is left is done, not refused.
TEST(PerformAction, AnActionCostingExactlyTheEnergyAndManaLeftIsDone) {
    test::FightGame t;
    t.game.kouzla[1].umime = 1;
    t.game.hrac.mana = 4;  // the price of "Síla života"
    t.fight({{"ZIVOTY", "30"}}, [&](Game& game) {
        ClickSpellButton(game);
        ASSERT_EQ(DescribeFight(game).list.entries.size(), 1u);
        EXPECT_TRUE(DescribeFight(game).list.entries[0].usable);
        ClickSpell(game, 1);
        EXPECT_EQ(game.hrac.mana, 0);
        EXPECT_EQ(game.hrac.kouzlavsouboji, 1);
        // "Sek" costs 2 energy and 1 mana.
        game.hrac.energievsouboji = 2;
        game.hrac.mana = 1;
        ClickAction(game, Sek);
        EXPECT_EQ(u8(game.souboj.screen.Summary1).find("K provedení"), std::string::npos);
        EXPECT_EQ(game.hrac.mana, 0);
        EXPECT_EQ(game.hrac.energievsouboji, 0 + 2);  // refilled by the speed
        ClickAction(game, Drtivy);
    });
}

TEST(PerformAction, RefusalsCostNothingAndAFailingFormulaLeavesTheFightOpen) {
    test::FightGame t;
    t.fight({{"UTOK", "0k6+11"}, {"ZIVOTY", "10"}}, [&](Game& game) {
        const FightScreen& screen = game.souboj.screen;
        ClickAction(game, Mocny);
        EXPECT_EQ(u8(screen.Summary1), "K provedení této akce je potřeba 20 energie a 0 many!");
        ClickAction(game, Zakazany);
        EXPECT_EQ(u8(screen.Summary1),
                  "Nutno: Počet životů je větší 100\rNesplněny podmínky akce !\r");
        EXPECT_EQ(game.hrac.zivoty, 20);
        EXPECT_EQ(game.hrac.energievsouboji, 5);

        ClickAction(game, Nulovy);
        EXPECT_TRUE(FightOpen(game));
        ClickAction(game, 7);  // not an action of this fight
        game.hrac.energievsouboji = 9;
        ClickAction(game, Drtivy);
        EXPECT_EQ(game.hrac.energievsouboji, 10);  // speed refills up to the maximum only
    });
    EXPECT_EQ(t.frontend.errors, std::vector<std::string>{"Division by zero"});
    EXPECT_EQ(t.frontend.deaths, 0);
}

// An enemy that hits for 90 against 20 hit points and falls to one "Drtivý".
TEST(Neumirej, AboveZeroAFallenHeroLeavesWithOneHitPointBelowZeroTheFightGoesOn) {
    struct Case {
        const char* neumirej;
        std::vector<Attack> clicks;
        std::int32_t result, zivoty, zkusenosti;
        bool victoryLine;
    };
    const Case cases[] = {
        {"1", {Sek}, 0, 1, 0, false},
        {"1", {Drtivy}, 1, 1, 7, false},  // both fall
        {"-1", {Sek, Drtivy}, 1, 20 - 90 * 2, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.neumirej) + " after " + std::to_string(c.clicks.size()));
        test::FightGame t;
        t.fight({{"UTOK", "0k6+100"}, {"ZIVOTY", "10"}, {"XP", "7"}, {"NEUMIREJ", c.neumirej}},
                [&](Game& game) {
                    for (Attack a : c.clicks) ClickAction(game, a);
                });
        EXPECT_EQ(t.game.vysledeksouboje, c.result);
        EXPECT_EQ(t.game.hrac.zivoty, c.zivoty);
        EXPECT_EQ(t.game.hrac.zkusenosti, c.zkusenosti);
        EXPECT_EQ(t.game.historie[0].text.empty(), !c.victoryLine);
        EXPECT_EQ(t.frontend.deaths, 0);
    }
}

TEST(Neumirej, ZeroAHeroFallingInARoundDiesAfterTheEnemysExperience) {
    test::FightGame t("<1>\r\n<SOUBOJ UTOK=\"0k6+100\" ZIVOTY=\"10\" XP=\"7\">\r\n");
    t.frontend.fight = [&] { ClickAction(t.game, Drtivy); };
    EXPECT_THROW(t.go(1), GameEnded);
    EXPECT_EQ(t.frontend.deaths, 1);
    EXPECT_EQ(t.game.hrac.zkusenosti, 7);
    EXPECT_FALSE(FightOpen(t.game));
}

}  // namespace
