#include <gtest/gtest.h>

#include "base/GameEnded.h"
#include "base/ScriptError.h"
#include "interpreter/CommandTable.h"
#include "shell/Colour.h"
#include "support/StoryGame.h"

using namespace morvane;

namespace {

class AttributeCommands : public ::testing::Test {
protected:
    AttributeCommands() {
        hrac.zivoty = 15, hrac.maxzivoty = 20, hrac.mana = 5, hrac.maxmana = 8, hrac.penize = 10;
        game.mena = cz("zlaťáků");
    }
    // Runs a command by its tag name, as the interpreter would.
    void run(const std::string& name, std::vector<param> attributes) {
        FindCommand(name)->handler(game, tagg{name, std::move(attributes)});
    }
    std::string line(int i) const { return toUtf8(game.historie[i].text); }
    bool coloured(int i, const char* colour) const {
        return game.historie[i].barva == ParseColour(colour);
    }

    test::TestGame t;
    Game& game = t.game;
    postava& hrac = game.hrac;
};

TEST_F(AttributeCommands, MoneyAndExperienceAreReportedAsWritten) {
    run("PENIZE", {{"PLUS", "+5"}, {"MINUS", "3"}, {"JE", "1"}});
    EXPECT_EQ(hrac.penize, 12);
    EXPECT_EQ(line(1), "Získal jsi +5 zlaťáků");
    EXPECT_TRUE(coloured(1, "yellow"));
    EXPECT_EQ(line(0), "Ztratil jsi 3 zlaťáků");
    EXPECT_TRUE(coloured(0, "red"));
    EXPECT_EQ(t.frontend.historyRepaints, 2);  // one repaint per message
    for (const char* loss : {"12", "13"}) {
        hrac.penize = 12;
        run("PENIZE", {{"MINUS", loss}});
        EXPECT_EQ(line(0), "Ztratil jsi veškeré peníze!");
        EXPECT_EQ(hrac.penize, 0);
    }
    run("XP", {{"PLUS", "4"}});
    EXPECT_EQ(line(0), "Získal jsi 4 zkušenostních bodů!");
    EXPECT_TRUE(coloured(0, "aqua"));
    run("ZKUSENOSTI", {{"MINUS", "10"}});
    EXPECT_EQ(line(0), "Ztratil jsi 10 zkušenostních bodů!");
    EXPECT_EQ(hrac.zkusenosti, -6);
}

TEST_F(AttributeCommands, RestoringSaysWhatReachesTheMaximumAndTheLimitCheckFollows) {
    for (const std::int32_t bonus : {0, 3}) {  // the limit counts the fight bonus
        hrac.zivoty = 15;
        game.bonusy.maxzivoty = bonus;
        run("ZIVOTY", {{"PLUS", "10"}});
        EXPECT_EQ(line(0), "Obnovil sis 5 životů!");
        EXPECT_TRUE(coloured(0, "red"));
        EXPECT_EQ(hrac.zivoty, 20 + bonus);
    }
    run("MANA", {{"PLUS", "9"}, {"MINUS", "20"}});
    EXPECT_EQ(line(1), "Obnovil sis 3 many!");
    EXPECT_EQ(line(0), "Ztratil jsi 20 many!");
    EXPECT_TRUE(coloured(0, "aqua"));
    EXPECT_EQ(hrac.mana, 0);
    run("MANA", {{"JE", "7"}});
    EXPECT_EQ(line(0), "Máš 7 many!");
    game.bonusy.maxmana = 1;
    run("MAXMANA", {{"MINUS", "4"}});
    EXPECT_EQ(hrac.mana, 5);
    hrac.mana = 50;
    run("SILA", {});  // no attributes, still the limit check
    EXPECT_EQ(hrac.mana, 5);
    hrac.mana = 50;
    EXPECT_THROW(run("SILA", {{"PLUS", "2"}, {"PLUS", "dva"}}), ScriptError);
    EXPECT_EQ(hrac.sila, 2);
    EXPECT_EQ(hrac.mana, 50);  // a failed command checks nothing
    EXPECT_EQ(t.frontend.deaths, 0);
}

TEST_F(AttributeCommands, EveryAttributeHasItsExactMessagesAndColour) {
    struct Case {
        const char* command;
        std::int32_t postava::*field;
        const char *plus, *minus, *je, *colour;
    };
    const Case cases[] = {
        {"MAXZIVOTY", &postava::maxzivoty, "Tvá maximální úroveň životů se zvýšila o  ",
         "Tvá maximální úroveň životů se snížila o  ", "Tvá maximální úroveň životů je ", "lime"},
        {"MAXMANA", &postava::maxmana, "Tvá maximální úroveň many se zvýšila o  ",
         "Tvá maximální úroveň many se snížila o  ", "Tvá maximální úroveň many je  ", "blue"},
        {"SILA", &postava::sila, "Tvá síla se zvýšila o  ", "Tvá síla se snížila o  ",
         "Tvá síla je ", "lime"},
        {"OBRATNOST", &postava::obratnost, "Tvá obratnost se zvýšila o  ",
         "Tvá obratnost se snížila o  ", "Tvá obratnost je ", "white"},
        {"RYCHLOST", &postava::rychlost, "Tvá rychlost se zvýšila o  ",
         "Tvá rychlost se snížila o  ", "Tvá rychlost je ", "aqua"},
        {"ENERGIE", &postava::energie, "Tvá energie se zvýšila o  ", "Tvá energie se snížila o ",
         "Tvá energie je ", "fuchsia"},
    };
    for (const Case& c : cases) {
        hrac.*c.field = 10;
        const int repaints = t.frontend.historyRepaints;
        run(c.command, {{"PLUS", "2"}, {"MINUS", "3"}, {"X", "5"}, {"JE", "40"}});
        SCOPED_TRACE(c.command);
        EXPECT_EQ(hrac.*c.field, 40);
        EXPECT_EQ(line(2) + "|" + line(1) + "|" + line(0),
                  std::string(c.plus) + "2|" + c.minus + "3|" + c.je + "40");
        EXPECT_TRUE(coloured(0, c.colour));
        EXPECT_EQ(t.frontend.historyRepaints, repaints + 1);  // once, at the end
    }
}

TEST(AttributeCommandsInALocation, HitPointsDownToZeroShowTheDeathScreenAndEndTheGame) {
    test::StoryGame t(
        "<1>\r\n<MAXZIVOTY MINUS=\"5\">\r\n<ZIVOTY JE=\"$ZIVOTY\" MINUS=\"$MAXZIVOTY\">\r\n"
        "<PROMENNA 1=\"1\">\r\n");
    t.game.hrac.zivoty = t.game.hrac.maxzivoty = 20;
    EXPECT_THROW(t.go(1), GameEnded);
    EXPECT_EQ(t.frontend.deaths, 1);
    EXPECT_EQ(t.game.hrac.zivoty, 0);  // lowered to 15 with its maximum, then 15 - 15
    EXPECT_EQ(toUtf8(t.game.historie[0].text), "Ztratil jsi 15 životů!");
    EXPECT_EQ(toUtf8(t.game.historie[1].text), "Máš 15 životů!");
    EXPECT_EQ(t.game.stavhry.promenne[0], 0);
}

}  // namespace
