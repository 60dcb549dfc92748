#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/GameEnded.h"
#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "character/AttributeCommands.h"
#include "interpreter/CommandTable.h"
#include "shell/Colour.h"
#include "support/StoryGame.h"
#include "support/TestGame.h"

using namespace morvane;

namespace {

class AttributeCommands : public ::testing::Test {
protected:
    AttributeCommands() {
        hrac.zivoty = 15, hrac.maxzivoty = 20;
        hrac.mana = 5, hrac.maxmana = 8;
        hrac.penize = 10;
        game.mena = cz("zlaťáků");
    }

    // Runs a command by its tag name, as the interpreter would.
    void run(const std::string& name, std::vector<param> attributes) {
        FindCommand(name)->handler(game, tagg{name, std::move(attributes)});
    }
    std::string line(int i) const { return toUtf8(game.historie[i].text); }
    std::int32_t colour(int i) const { return game.historie[i].barva; }

    test::TestGame t;
    Game& game = t.game;
    postava& hrac = game.hrac;
};

TEST_F(AttributeCommands, MoneyIsReportedAsWrittenAndNeverGoesBelowZero) {
    run("PENIZE", {{"PLUS", "+5"}, {"MINUS", "3"}, {"JE", "1"}});
    EXPECT_EQ(hrac.penize, 12);
    EXPECT_EQ(line(1), "Získal jsi +5 zlaťáků");
    EXPECT_EQ(colour(1), ParseColour("yellow"));
    EXPECT_EQ(line(0), "Ztratil jsi 3 zlaťáků");
    EXPECT_EQ(colour(0), ParseColour("red"));
    EXPECT_EQ(t.frontend.historyRepaints, 2);  // one repaint per message
    run("PENIZE", {{"MINUS", "12"}});
    EXPECT_EQ(line(0), "Ztratil jsi veškeré peníze!");
    EXPECT_EQ(hrac.penize, 0);
    hrac.penize = 4;
    run("PENIZE", {{"MINUS", "9"}});
    EXPECT_EQ(line(0), "Ztratil jsi veškeré peníze!");
    EXPECT_EQ(hrac.penize, 0);
}

TEST_F(AttributeCommands, ExperienceMayBecomeNegative) {
    hrac.zkusenosti = 3;
    run("XP", {{"PLUS", "4"}});
    EXPECT_EQ(line(0), "Získal jsi 4 zkušenostních bodů!");
    EXPECT_EQ(colour(0), ParseColour("aqua"));
    run("ZKUSENOSTI", {{"MINUS", "10"}});
    EXPECT_EQ(line(0), "Ztratil jsi 10 zkušenostních bodů!");
    EXPECT_EQ(colour(0), ParseColour("red"));
    EXPECT_EQ(hrac.zkusenosti, -3);
}

TEST_F(AttributeCommands, RestoringSaysWhatReachesTheMaximumAndTheLimitCheckCaps) {
    run("ZIVOTY", {{"PLUS", "10"}});
    EXPECT_EQ(line(0), "Obnovil sis 5 životů!");
    EXPECT_EQ(colour(0), ParseColour("red"));
    EXPECT_EQ(hrac.zivoty, 20);
    hrac.zivoty = 15;
    game.bonusy.maxzivoty = 3;
    run("ZIVOTY", {{"PLUS", "10"}});
    EXPECT_EQ(line(0), "Obnovil sis 5 životů!");
    EXPECT_EQ(hrac.zivoty, 23);
    run("ZIVOTY", {{"MINUS", "4"}, {"PLUS", "1"}});
    EXPECT_EQ(line(1), "Ztratil jsi 4 životů!");
    EXPECT_EQ(line(0), "Obnovil sis 1 životů!");
    EXPECT_EQ(hrac.zivoty, 20);

    run("MANA", {{"PLUS", "9"}});
    EXPECT_EQ(line(0), "Obnovil sis 3 many!");
    EXPECT_EQ(colour(0), ParseColour("aqua"));
    EXPECT_EQ(hrac.mana, 8);
    run("MANA", {{"MINUS", "20"}});
    EXPECT_EQ(line(0), "Ztratil jsi 20 many!");
    EXPECT_EQ(hrac.mana, 0);
    run("MANA", {{"JE", "7"}});
    EXPECT_EQ(line(0), "Máš 7 many!");
    game.bonusy.maxmana = 1;
    run("MAXMANA", {{"MINUS", "4"}});
    EXPECT_EQ(hrac.maxmana, 4);
    EXPECT_EQ(hrac.mana, 5);
    EXPECT_EQ(t.frontend.deaths, 0);
}

TEST_F(AttributeCommands, EveryAttributeHasItsExactMessagesAndColour) {
    struct Case {
        const char* command;
        std::int32_t postava::*field;
        const char *plus, *minus, *je, *colour;
    };
    const Case cases[] = {
        {"MAXZIVOTY", &postava::maxzivoty, "Tvá maximální úroveň životů se zvýšila o  2",
         "Tvá maximální úroveň životů se snížila o  3", "Tvá maximální úroveň životů je 40", "lime"},
        {"MAXMANA", &postava::maxmana, "Tvá maximální úroveň many se zvýšila o  2",
         "Tvá maximální úroveň many se snížila o  3", "Tvá maximální úroveň many je  40", "blue"},
        {"SILA", &postava::sila, "Tvá síla se zvýšila o  2", "Tvá síla se snížila o  3",
         "Tvá síla je 40", "lime"},
        {"OBRATNOST", &postava::obratnost, "Tvá obratnost se zvýšila o  2",
         "Tvá obratnost se snížila o  3", "Tvá obratnost je 40", "white"},
        {"RYCHLOST", &postava::rychlost, "Tvá rychlost se zvýšila o  2",
         "Tvá rychlost se snížila o  3", "Tvá rychlost je 40", "aqua"},
        {"ENERGIE", &postava::energie, "Tvá energie se zvýšila o  2",
         "Tvá energie se snížila o 3", "Tvá energie je 40", "fuchsia"},
    };
    for (const Case& c : cases) {
        hrac.*c.field = 10;
        const int repaints = t.frontend.historyRepaints;
        run(c.command, {{"PLUS", "2"}, {"MINUS", "3"}, {"X", "5"}});
        EXPECT_EQ(hrac.*c.field, 9) << c.command;
        EXPECT_EQ(line(1), c.plus);
        EXPECT_EQ(line(0), c.minus);
        EXPECT_EQ(colour(0), ParseColour(c.colour)) << c.command;
        EXPECT_EQ(t.frontend.historyRepaints, repaints + 1) << c.command;  // once, at the end
        run(c.command, {{"JE", "40"}});
        EXPECT_EQ(hrac.*c.field, 40);
        EXPECT_EQ(line(0), c.je);
    }
}

TEST_F(AttributeCommands, EvenWithoutAttributesTheLimitCheckRuns) {
    hrac.mana = 50;
    run("SILA", {});
    EXPECT_EQ(hrac.mana, 8);
    EXPECT_EQ(t.frontend.historyRepaints, 1);
    hrac.zivoty = 0;
    EXPECT_THROW(run("OBRATNOST", {}), GameEnded);
    EXPECT_EQ(t.frontend.deaths, 1);
}

TEST_F(AttributeCommands, ABadValueKeepsWhatEarlierAttributesDid) {
    EXPECT_THROW(run("SILA", {{"PLUS", "2"}, {"PLUS", "dva"}}), ScriptError);
    EXPECT_EQ(hrac.sila, 2);
    EXPECT_EQ(line(0), "Tvá síla se zvýšila o  2");
}

TEST(AttributeCommandsInALocation, HitPointsDownToZeroShowTheDeathScreenAndEndTheGame) {
    test::StoryGame t(
        "<1>\r\n"
        "<MAXZIVOTY MINUS=\"5\">\r\n"
        "<ZIVOTY JE=\"$ZIVOTY\" MINUS=\"$MAXZIVOTY\">\r\n"
        "<PROMENNA 1=\"1\">\r\n");
    t.game.hrac.zivoty = 20;
    t.game.hrac.maxzivoty = 20;
    EXPECT_THROW(t.go(1), GameEnded);
    EXPECT_EQ(t.frontend.deaths, 1);
    EXPECT_EQ(t.game.hrac.zivoty, 0);  // 15 after the first command, then 15 - 15
    EXPECT_EQ(toUtf8(t.game.historie[0].text), "Ztratil jsi 15 životů!");
    EXPECT_EQ(toUtf8(t.game.historie[1].text), "Máš 15 životů!");
    EXPECT_EQ(t.game.stavhry.promenne[0], 0);
}

}  // namespace
