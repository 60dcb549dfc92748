#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "interpreter/VariableCommands.h"
#include "shell/Colour.h"
#include "support/StoryGame.h"

using namespace morvane;

namespace {

std::int32_t& var(Game& game, int n) { return game.stavhry.promenne[n - 1]; }

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

tagg Tag(std::string name, std::vector<param> attributes) { return {std::move(name), attributes}; }

TEST(VariableCommands, ReportEachChangeInLimeOnlyWhileSwitchedOn) {
    test::StoryGame t(
        "<1>\r\n"
        "<PROMENNA 5=\"1\">\r\n"
        "<VYPISUJPROMENNE>\r\n"
        "<PROMENNA 5=\"7\">\r\n"
        "<PROMENNA 6=\"$5\">\r\n"
        "<ZVYSPROMENNOU 5=\"-3\">\r\n"
        "<SNIZPROMENNOU 6=\"10\">\r\n"
        "<NEVYPISUJPROMENNE>\r\n"
        "<ZVYSPROMENNOU 5=\"1\">\r\n");
    t.go(1);
    Game& game = t.game;
    ASSERT_TRUE(t.frontend.errors.empty());
    EXPECT_EQ(var(game, 5), 5);
    EXPECT_EQ(var(game, 6), -3);
    const char* expected[] = {
        "(debug) Hodnota proměnné $6 se snížila o 10 na výsledných -3",
        "(debug) Hodnota proměnné $5 se zvýšila o -3 na výsledných 4",
        "(debug) Hodnota proměnné $6 se změnila na 7",
        "(debug) Hodnota proměnné $5 se změnila na 7",
        "",
    };
    for (int i = 0; i < 5; ++i) EXPECT_EQ(toUtf8(game.historie[i].text), expected[i]) << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(game.historie[i].barva, ParseColour("lime")) << i;
    EXPECT_EQ(game.stavhry.vypisujpromenne, 0);
}

TEST(VariableCommands, FormulasAndDiceFillVariables) {
    test::StoryGame t(
        "<1>\r\n"
        "<PROMENNA 1=\"2\" 2=\"4\">\r\n"
        "<VZOREC 8=\"($1+$2)*3\" 9=\"7:2\">\r\n"
        "<NAHODA 11=\"2k6+3\" 12=\"2k6+3\" 13=\"2k6+3\" 14=\"2k6+3\" 15=\"2k6+3\""
        " 16=\"2k6+3\" 17=\"2k6+3\" 18=\"2k6+3\" 19=\"2k6+3\" 20=\"1k6\">\r\n");
    t.go(1);
    Game& game = t.game;
    ASSERT_TRUE(t.frontend.errors.empty());
    EXPECT_EQ(var(game, 8), 18);
    EXPECT_EQ(var(game, 9), 4);
    for (int n = 11; n <= 19; ++n) {
        EXPECT_GE(var(game, n), 5) << n;
        EXPECT_LE(var(game, n), 15) << n;
    }
    EXPECT_GE(var(game, 20), 1);
    EXPECT_LE(var(game, 20), 6);
    EXPECT_FALSE(std::all_of(&var(game, 12), &var(game, 19) + 1,
                             [&](std::int32_t v) { return v == var(game, 11); }));
}

TEST(VariableCommands, BadNumbersStopTheLocationAndNumbersOutsideTheTablesTouchNothing) {
    test::StoryGame t(
        "<1>\r\n"
        "<PROMENNA 0=\"5\" 1000=\"5\" 2147483647=\"5\" 999=\"9\">\r\n"
        "<RETEZEC 0=\"x\" 11=\"x\">\r\n"
        "<PROMENNA 3=\"1\" X=\"5\" 4=\"1\">\r\n"
        "<PROMENNA 9=\"9\">\r\n"
        "<2>\r\n"
        "<ZVYSPROMENNOU 3=\"abc\">\r\n");
    t.go(1);
    Game& game = t.game;
    EXPECT_EQ(var(game, 999), 9);
    // The string variables follow the integer ones in the record.
    for (const auto& s : game.stavhry.retezce) EXPECT_EQ(s.length, 0);
    EXPECT_EQ(var(game, 3), 1);  // before the failing attribute
    EXPECT_EQ(var(game, 4), 0);
    EXPECT_EQ(var(game, 9), 0);  // the rest of the location did not run
    ASSERT_EQ(t.frontend.errors.size(), 1u);
    EXPECT_EQ(t.frontend.errors[0], "'X' is not a valid integer value");
    t.go(2);
    ASSERT_EQ(t.frontend.errors.size(), 2u);
    EXPECT_EQ(t.frontend.errors[1], "'abc' is not a valid integer value");
    EXPECT_EQ(var(game, 3), 1);
}

TEST(VariableCommands, SetRangesOnlyWhereVariablesExist) {
    test::TestGame t;
    Game& game = t.game;
    const auto set = [&](std::string cislo, std::string pocet, std::string hodnota) {
        cmdNastavPromenne(game, Tag("NASTAVPROMENNE",
                                    {{"HODNOTA", hodnota}, {"POCET", pocet}, {"CISLO", cislo}}));
    };
    set("10", "5", "1");
    for (int n = 9; n <= 15; ++n) EXPECT_EQ(var(game, n), n >= 10 && n <= 14 ? 1 : 0) << n;
    set("9", "0", "7");
    set("9", "-3", "7");
    EXPECT_EQ(var(game, 9), 0);
    set("-2", "5", "3");  // -2..2: only 1 and 2 exist
    EXPECT_EQ(var(game, 1), 3);
    EXPECT_EQ(var(game, 2), 3);
    EXPECT_EQ(var(game, 3), 0);
    set("998", "2147483647", "4");
    EXPECT_EQ(var(game, 997), 0);
    EXPECT_EQ(var(game, 998), 4);
    EXPECT_EQ(var(game, 999), 4);
    EXPECT_EQ(game.stavhry.retezce[0].length, 0);
    // A missing attribute is no number; nothing is set.
    EXPECT_THROW(cmdNastavPromenne(game, Tag("NASTAVPROMENNE", {{"CISLO", "20"}, {"POCET", "2"}})),
                 ScriptError);
    EXPECT_THROW(cmdNastavPromenne(game, Tag("NASTAVPROMENNE", {{"CILSO", "20"}, {"POCET", "2"},
                                                               {"HODNOTA", "1"}})),
                 ScriptError);
    EXPECT_EQ(var(game, 20), 0);
    EXPECT_EQ(var(game, 1), 3);
}

TEST(VariableCommands, StringVariablesAndTheHerosName) {
    const std::string longText(150, 'a');
    test::StoryGame t(
        "<1>\r\n"
        "<RETEZEC 3=\"Ahoj\" 10=\"" + longText + "\">\r\n"
        "<TEXT OBSAH=\"$RETEZEC3!\">\r\n"
        "<ZMENJMENO TEXT=\"Aleš\" BARVA=\"Cyril\" JMENO=\"Bořek\">\r\n");
    t.go(1);
    Game& game = t.game;
    ASSERT_TRUE(t.frontend.errors.empty());
    EXPECT_EQ(game.stavhry.retezce[2], "Ahoj");
    EXPECT_EQ(game.stavhry.retezce[9].view(), longText.substr(0, 100));
    EXPECT_EQ(game.stavhry.knihovna.length, 0);
    ASSERT_EQ(game.hlavni.prvky.size(), 1u);
    EXPECT_EQ(game.hlavni.prvky[0].text.text, "Ahoj!");
    EXPECT_EQ(toUtf8(game.hrac.jmeno.str()), "Bořek");
    cmdZmenJmeno(game, Tag("ZMENJMENO", {{"JMENO", longText}}));
    EXPECT_EQ(game.hrac.jmeno.view(), longText.substr(0, 100));
}

TEST(VariableCommands, StartValuesRememberTheCurrentAttributes) {
    test::TestGame t;
    postava& h = t.game.hrac;
    h.sila = 1, h.obratnost = 2, h.maxzivoty = 3, h.maxmana = 4, h.rychlost = 5, h.energie = 6;
    h.zivoty = 99;
    cmdUlozPocatecniVlastnosti(t.game, Tag("ULOZPOCATECNIVLASTNOSTI", {}));
    EXPECT_EQ(h.startsila, 1);
    EXPECT_EQ(h.startobratnost, 2);
    EXPECT_EQ(h.startmaxzivoty, 3);
    EXPECT_EQ(h.startmaxmana, 4);
    EXPECT_EQ(h.startrychlost, 5);
    EXPECT_EQ(h.startenergie, 6);
}

TEST(VariableList, StandsOnThePageInFixedColumnsFourToALine) {
    test::StoryGame t("<1>\r\n<TEXT OBSAH=\"a\">\r\n<SEZNAMPROMENNYCH>\r\n");
    Game& game = t.game;
    game.stavhry.barvatextu = 0x123456;
    var(game, 2) = 5;
    var(game, 3) = -7;
    var(game, 4) = 1234;
    var(game, 100) = 42;
    t.go(1);
    ASSERT_EQ(game.hlavni.prvky.size(), 2u);
    EXPECT_EQ(game.hlavni.pocettextu, 2);
    const PageText& list = game.hlavni.prvky[1].text;
    EXPECT_TRUE(list.pevnasirka);
    EXPECT_FALSE(game.hlavni.prvky[0].text.pevnasirka);
    EXPECT_EQ(list.barva, 0x123456);
    const std::string firstLine = "$1   = 0      $2   = 5      $3   = -7      $4   = 1234   \r";
    EXPECT_EQ(list.text.substr(0, firstLine.size()), firstLine);
    EXPECT_NE(list.text.find("$100 = 42     \r\r$101 = 0      "), std::string::npos);
    EXPECT_EQ(std::count(list.text.begin(), list.text.end(), '\r'), 249 + 9);
    EXPECT_TRUE(list.text.ends_with("\r$997 = 0      $998 = 0      $999 = 0      "));
}

TEST(VariableList, FilesHoldEveryVariableAndTheNonZeroOnesAsTextAndAsScript) {
    test::StoryGame t("<1>\r\n<SEZNAMPROMENNYCHSOUBOR>\r\n<PROMENNA 1=\"1\">\r\n");
    Game& game = t.game;
    t.folder.write("seznampromennych_vse.txt", "older and longer content that must go away");
    var(game, 2) = 5;
    var(game, 999) = -1;
    t.go(1);
    ASSERT_TRUE(t.frontend.errors.empty());
    const std::string stars(35, '*');
    EXPECT_EQ(readFile(t.folder.path() / "seznampromennych_nenul.txt"),
              "$2 = 5\r\n$999 = -1\r\n\r\n" + stars +
                  "\r\n\r\n<promenna 2=\"5\">\r\n<promenna 999=\"-1\">\r\n");
    const std::string all = readFile(t.folder.path() / "seznampromennych_vse.txt");
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 999 + 3 + 999);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\r'), 999 + 3 + 999);
    EXPECT_TRUE(all.starts_with("$1 = 0\r\n$2 = 5\r\n$3 = 0\r\n"));
    EXPECT_NE(all.find("$998 = 0\r\n$999 = -1\r\n\r\n" + stars + "\r\n\r\n<promenna 1=\"0\">\r\n"
                       "<promenna 2=\"5\">\r\n"),
              std::string::npos);
    EXPECT_TRUE(all.ends_with("<promenna 998=\"0\">\r\n<promenna 999=\"-1\">\r\n"));
    EXPECT_EQ(var(game, 1), 1);
}

TEST(VariableList, NonZeroFileOfANewGameHoldsOnlyTheSeparator) {
    test::TestGame t;
    EXPECT_EQ(VariableFileText(t.game, true), "\r\n" + std::string(35, '*') + "\r\n\r\n");
}

TEST(VariableList, AFileThatCannotBeWrittenStopsTheLocationAndKeepsTheFirstFile) {
    test::StoryGame t("<1>\r\n<SEZNAMPROMENNYCHSOUBOR>\r\n<PROMENNA 1=\"1\">\r\n");
    // A folder where the second file should go cannot be replaced by a file.
    std::filesystem::create_directories(t.folder.path() / "seznampromennych_nenul.txt" / "x");
    t.go(1);
    EXPECT_EQ(t.frontend.errors.size(), 1u);
    EXPECT_EQ(var(t.game, 1), 0);
    EXPECT_TRUE(t.folder.exists("seznampromennych_vse.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(t.folder.path() / "seznampromennych_nenul.txt"));
}

}  // namespace
