#include <gtest/gtest.h>

#include "base/Win1250.h"
#include "parser/Constants.h"
#include "parser/Libraries.h"
#include "parser/StoryFixture.h"

using namespace morvane;
using test::StoryFixture;

TEST(Libraries, DirectivesInLowerCaseAreReplacedByTheJoinedLibrary) {
    StoryFixture f;
    f.library("ab", "ab\r\ncd\r\n");
    f.library("obal", "[#knihovna_ab;]\n");

    std::string capital = "x#Knihovna_ab;y";
    ExpandLibraries(f.store, f.frontend, capital);
    EXPECT_EQ(capital, "x#Knihovna_ab;y");

    // Once one directive is written in lower case, every spelling of it goes.
    std::string text = "1#knihovna_ab;2#KNIHOVNA_AB;3#knihovna_obal;4#knihovna_  ab\t;";
    EXPECT_EQ(ExpandLibraries(f.store, f.frontend, text), 4u);
    EXPECT_EQ(text, "1abcd2abcd3[abcd]4#knihovna_  ab\t;");
    ASSERT_EQ(f.store.seznamknihoven.size(), 2u);
    EXPECT_EQ(f.store.seznamknihoven[0].nazev, "ab");
    EXPECT_EQ(FindLibrary(f.store, "obal"), 1u);
    // The last directive is malformed (blanks inside) and only reported.
    EXPECT_EQ(f.frontend.messages.size(), 1u);
}

TEST(Libraries, EndlessDirectivesAreReportedOnceAndSteppedOver) {
    StoryFixture f;
    f.library("sama", "S#knihovna_sama;");
    f.library("ping", "P#knihovna_pong;");
    f.library("pong", "Q#knihovna_ping;");
    f.library("ab", "ab\ncd");
    std::string text = "#knihovna_sama;|#knihovna_ping;|#knihovna_ ab;|#knihovna_ab;|#knihovna_x";
    ExpandLibraries(f.store, f.frontend, text);
    EXPECT_EQ(text, "#knihovna_sama;|P#knihovna_pong;|#knihovna_ ab;|abcd|#knihovna_x");
    EXPECT_EQ(f.frontend.messages.size(), 4u);  // sama, pong, the blank, the missing ";"

    ExpandLibraries(f.store, f.frontend, text);  // the next location load
    EXPECT_EQ(f.frontend.messages.size(), 4u);
}

TEST(Libraries, UnreadableLibraryLeavesItsTextAndReadingGoesOn) {
    StoryFixture f;
    f.library("ab", "ab\ncd");
    std::string text = "<1>#knihovna_nic;#knihovna_ab;#knihovna_nic;";
    ExpandLibraries(f.store, f.frontend, text);
    EXPECT_EQ(text, "<1>Nenalezena knihovna nic !!!!abcdNenalezena knihovna nic !!!!");
    EXPECT_EQ(f.frontend.messages, std::vector<std::string>{"Nenalezena knihovna nic !!!!"});
    EXPECT_TRUE(f.frontend.errors.empty());
}

TEST(Constants, LinesSplitIntoNameAndValue) {
    const auto constant = parseConstantLine("SILA   12");
    ASSERT_TRUE(constant);
    EXPECT_EQ(constant->nazev, "SILA");
    EXPECT_EQ(constant->obsah, "12");
    EXPECT_EQ(parseConstantLine("X 1;2")->obsah, "1");
    EXPECT_EQ(parseConstantLine("XY ")->obsah, "");
    for (const char* skipped : {"", "AB", "NOBLANK", "A;B C", " X 1"})
        EXPECT_FALSE(parseConstantLine(skipped)) << skipped;
}

TEST(Constants, ApplyInFileOrderSoLaterOnesReplaceEarlierValues) {
    StoryFixture f;
    LoadConstants(f.store, f.frontend);  // no file: no constants
    EXPECT_TRUE(f.store.seznamkonstant.empty());

    f.folder.write("data/konstanty.vrn", "A B\r\nxy\r\nB C\r\nA D\r\n");
    LoadConstants(f.store, f.frontend);
    ASSERT_EQ(f.store.seznamkonstant.size(), 3u);
    std::string text = "A-B-D";
    EXPECT_EQ(ApplyConstants(f.store, text), 3u);
    EXPECT_EQ(text, "C-C-D");
    EXPECT_TRUE(f.frontend.messages.empty());
}
