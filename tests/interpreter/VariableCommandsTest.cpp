#include <gtest/gtest.h>

#include <algorithm>

#include "base/ScriptError.h"
#include "interpreter/VariableCommands.h"
#include "shell/Colour.h"
#include "support/StoryGame.h"

using namespace morvane;

namespace {

std::int32_t& var(Game& game, int n) { return game.stavhry.promenne[n - 1]; }

TEST(VariableCommands, ReportEachChangeInLimeOnlyWhileSwitchedOn) {
    test::StoryGame t(
        "<1>\r\n<PROMENNA 5=\"1\">\r\n<VYPISUJPROMENNE>\r\n<PROMENNA 5=\"7\">\r\n"
        "<PROMENNA 6=\"$5\">\r\n<ZVYSPROMENNOU 5=\"-3\">\r\n<SNIZPROMENNOU 6=\"10\">\r\n"
        "<NEVYPISUJPROMENNE>\r\n<ZVYSPROMENNOU 5=\"1\">\r\n");
    t.go(1);
    EXPECT_EQ(var(t.game, 5), 5);
    EXPECT_EQ(var(t.game, 6), -3);
    const char* expected[] = {"(debug) Hodnota proměnné $6 se snížila o 10 na výsledných -3",
                              "(debug) Hodnota proměnné $5 se zvýšila o -3 na výsledných 4",
                              "(debug) Hodnota proměnné $6 se změnila na 7",
                              "(debug) Hodnota proměnné $5 se změnila na 7", ""};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(toUtf8(t.game.historie[i].text), expected[i]) << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(t.game.historie[i].barva, ParseColour("lime")) << i;
}

TEST(VariableCommands, FormulasDiceAndStrings) {
    const std::string longText(150, 'a');
    test::StoryGame t(
        "<1>\r\n<PROMENNA 1=\"2\" 2=\"4\">\r\n<VZOREC 8=\"($1+$2)*3\" 9=\"7:2\">\r\n"
        "<NAHODA 11=\"2k6+3\" 12=\"2k6+3\" 13=\"2k6+3\" 14=\"2k6+3\" 15=\"2k6+3\">\r\n"
        "<RETEZEC 3=\"Ahoj\" 10=\"" + longText + "\">\r\n<TEXT OBSAH=\"$RETEZEC3!\">\r\n"
        "<ZMENJMENO TEXT=\"Aleš\" BARVA=\"Cyril\" JMENO=\"Bořek\">\r\n");
    t.go(1);
    Game& game = t.game;
    EXPECT_EQ(var(game, 8), 18);
    EXPECT_EQ(var(game, 9), 4);
    for (int n = 11; n <= 15; ++n) EXPECT_TRUE(var(game, n) >= 5 && var(game, n) <= 15) << n;
    EXPECT_EQ(game.stavhry.retezce[9].view(), longText.substr(0, 100));
    EXPECT_EQ(game.hlavni.prvky.at(0).text.text, "Ahoj!");
    EXPECT_EQ(toUtf8(game.hrac.jmeno.str()), "Bořek");
}

TEST(VariableCommands, BadNumbersStopTheLocationAndNumbersOutsideTheTablesTouchNothing) {
    test::StoryGame t(
        "<1>\r\n<PROMENNA 0=\"5\" 1000=\"5\" 2147483647=\"5\" 999=\"9\">\r\n"
        "<RETEZEC 0=\"x\" 11=\"x\">\r\n<NASTAVPROMENNE CISLO=\"998\" POCET=\"2147483647\" "
        "HODNOTA=\"4\">\r\n<NASTAVPROMENNE CISLO=\"-2\" POCET=\"5\" HODNOTA=\"3\">\r\n"
        "<PROMENNA 3=\"1\" X=\"5\" 4=\"1\">\r\n<PROMENNA 9=\"9\">\r\n"
        "<2>\r\n<ZVYSPROMENNOU 3=\"abc\">\r\n");
    t.go(1);
    Game& game = t.game;
    EXPECT_EQ(var(game, 997), 0);
    EXPECT_EQ(var(game, 998) + var(game, 999), 8);
    EXPECT_EQ(var(game, 1) + var(game, 2), 6);  // -2..2 holds only 1 and 2
    // The string variables follow the integer ones in the record.
    for (const auto& s : game.stavhry.retezce) EXPECT_EQ(s.length, 0);
    EXPECT_EQ(var(game, 3), 1);  // before the failing attribute
    EXPECT_EQ(var(game, 4) + var(game, 9), 0);
    t.go(2);
    EXPECT_EQ(t.frontend.errors, (std::vector<std::string>{"'X' is not a valid integer value",
                                                           "'abc' is not a valid integer value"}));
}

TEST(VariableCommands, SetARangeOfVariables) {
    test::TestGame t;
    const auto set = [&](std::vector<param> attributes) {
        cmdNastavPromenne(t.game, tagg{"NASTAVPROMENNE", std::move(attributes)});
    };
    set({{"HODNOTA", "1"}, {"POCET", "5"}, {"CISLO", "10"}});
    for (int n = 9; n <= 15; ++n) EXPECT_EQ(var(t.game, n), n >= 10 && n <= 14 ? 1 : 0) << n;
    set({{"CISLO", "9"}, {"POCET", "0"}, {"HODNOTA", "7"}});
    set({{"CISLO", "9"}, {"POCET", "-3"}, {"HODNOTA", "7"}});
    EXPECT_EQ(var(t.game, 9), 0);
    // A missing (or misspelt) attribute is no number, and nothing is set.
    EXPECT_THROW(set({{"CILSO", "20"}, {"POCET", "2"}, {"HODNOTA", "1"}}), ScriptError);
    EXPECT_THROW(set({{"CISLO", "20"}, {"POCET", "2"}}), ScriptError);
    EXPECT_EQ(var(t.game, 20), 0);
}

TEST(VariableList, StandsOnThePageInFixedColumnsFourToALine) {
    test::StoryGame t("<1>\r\n<TEXT OBSAH=\"a\">\r\n<SEZNAMPROMENNYCH>\r\n");
    Game& game = t.game;
    game.stavhry.barvatextu = 0x123456;
    var(game, 2) = 5, var(game, 3) = -7, var(game, 4) = 1234, var(game, 100) = 42;
    t.go(1);
    ASSERT_EQ(game.hlavni.prvky.size(), 2u);
    const PageText& list = game.hlavni.prvky[1].text;
    EXPECT_TRUE(list.pevnasirka && !game.hlavni.prvky[0].text.pevnasirka);
    EXPECT_EQ(list.barva, 0x123456);
    const std::string firstLine = "$1   = 0      $2   = 5      $3   = -7      $4   = 1234   \r";
    EXPECT_EQ(list.text.substr(0, firstLine.size()), firstLine);
    EXPECT_NE(list.text.find("$100 = 42     \r\r$101 = 0      "), std::string::npos);
    EXPECT_EQ(std::count(list.text.begin(), list.text.end(), '\r'), 249 + 9);
}

TEST(VariableList, FilesHoldAllAndTheNonZeroVariablesAsTextAndAsScript) {
    test::StoryGame t("<1>\r\n<SEZNAMPROMENNYCHSOUBOR>\r\n");
    t.folder.write("seznampromennych_vse.txt", "older and longer content that must go away");
    EXPECT_EQ(VariableFileText(t.game, true), "\r\n" + std::string(35, '*') + "\r\n\r\n");
    var(t.game, 2) = 5, var(t.game, 999) = -1;
    t.go(1);
    const std::string stars(35, '*');
    EXPECT_EQ(test::ReadFile(t.folder.path() / "seznampromennych_nenul.txt"),
              "$2 = 5\r\n$999 = -1\r\n\r\n" + stars +
                  "\r\n\r\n<promenna 2=\"5\">\r\n<promenna 999=\"-1\">\r\n");
    const std::string all = test::ReadFile(t.folder.path() / "seznampromennych_vse.txt");
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 999 + 3 + 999);
    EXPECT_TRUE(all.starts_with("$1 = 0\r\n$2 = 5\r\n$3 = 0\r\n"));
    EXPECT_NE(all.find("$999 = -1\r\n\r\n" + stars + "\r\n\r\n<promenna 1=\"0\">\r\n"),
              std::string::npos);
    EXPECT_TRUE(all.ends_with("<promenna 998=\"0\">\r\n<promenna 999=\"-1\">\r\n"));

    // A file that cannot be written ends the location; the first file stands.
    test::StoryGame u("<1>\r\n<SEZNAMPROMENNYCHSOUBOR>\r\n<PROMENNA 1=\"1\">\r\n");
    std::filesystem::create_directories(u.folder.path() / "seznampromennych_nenul.txt" / "x");
    u.go(1);
    EXPECT_EQ(u.frontend.errors.size(), 1u);
    EXPECT_EQ(var(u.game, 1), 0);
    EXPECT_TRUE(u.folder.exists("seznampromennych_vse.txt"));
}

}  // namespace
