// The trace tells an author what play skips without a word; the command
// table decides which attributes a command reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Win1250.h"
#include "interpreter/CommandTable.h"
#include "support/StoryGame.h"

using namespace morvane;

namespace {

bool Reads(const char* command, const char* attribute) {
    return ReadsAttribute(*FindCommand(command), attribute);
}

}  // namespace

TEST(Trace, AttributesAreReadAsTheCommandsLayoutSays) {
    EXPECT_TRUE(Reads("PENIZE", "PLUS"));
    EXPECT_FALSE(Reads("PENIZE", "JE"));
    EXPECT_FALSE(Reads("KONEC", "X"));
    // Numbers for names: a command with no names of its own takes every name
    // for a number; one with names tells them apart.
    EXPECT_TRUE(Reads("PROMENNA", "12"));
    EXPECT_TRUE(Reads("PROMENNA", "ABC"));
    EXPECT_TRUE(Reads("OBJEKT", "3"));
    EXPECT_TRUE(Reads("OBJEKT", "JMENO"));
    EXPECT_FALSE(Reads("OBJEKT", "JMENA"));
    EXPECT_TRUE(Reads("ODSTRANZBRAN", "COKOLI"));
}

TEST(Trace, TellsWhatTheScanLeftOutAndWhatEachCommandChanged) {
    test::StoryGame t(
        "<1>[/]<TEXT A1=\"1\" A2=\"2\" A3=\"3\" A4=\"4\" A5=\"5\" A6=\"6\" A7=\"7\" A8=\"8\" "
        "A9=\"9\" A10=\"10\" A11=\"11\">"
        "<NASTAVPROMENNE CISLO=\"1\" POCET=\"20\" HODNOTA=\"4\">"
        "<RETEZEC 1=\"$1\"><VZOREC 2=\"1/0\">\r\n");
    t.game.stopa = true;
    t.go(1);
    const std::vector<std::string> expected = {
        "trace: lokace 1",
        cz("trace: lokace 1: [/] bez otevřeného bloku přeskočeno"),
        cz("trace: lokace 1: TEXT: 1 atributů navíc přeskočeno (nejvýš 10)"),
        cz("trace: lokace 1: TEXT: atribut A1 příkaz nečte, přeskočen"),
    };
    const auto& traces = t.frontend.traces;
    ASSERT_EQ(traces.size(), 17u);
    EXPECT_EQ(std::vector<std::string>(traces.begin(), traces.begin() + 4), expected);
    EXPECT_EQ(traces[14], cz("trace: lokace 1: NASTAVPROMENNE CISLO=\"1\" POCET=\"20\" "
                             "HODNOTA=\"4\" -> $1=4, $2=4, $3=4, $4=4, $5=4, $6=4, $7=4, "
                             "$8=4 a 12 dalších"));
    EXPECT_EQ(traces[15], cz("trace: lokace 1: RETEZEC 1=\"4\" -> $RETEZEC1=\"4\""));
    EXPECT_EQ(traces[16].rfind(cz("trace: lokace 1: VZOREC 2=\"1/0\" -> chyba: "), 0), 0u)
        << traces[16];
}
