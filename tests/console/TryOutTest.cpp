// An author tries a location without playing up to it: --start and --set
// begin a new game there with the values given, and --trace tells on
// standard error what every command did and what play skipped.
#include <gtest/gtest.h>

#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;

namespace {

constexpr const char* kStory = R"(<1>
<TEXT OBSAH="Začátek">
<2>
<ZPRAVA OBSAH="x">
<PENIZE PLSU="3" PLUS="$5">
[7 = "1]<TEXT OBSAH="Sedm je $7, řetězec $RETEZEC1">[/]
[7 = "0]<TEXT OBSAH="nikdy">[/]
<NAHODA 8="1k1">
<M T="Zpět" X="1">
)";

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(TryOut, StartsAtTheLocationWithTheValuesSetAndTracesBesideTheStates) {
    GameFolder game(kStory);
    game.definice.zadavanijmena = 1;  // skipped: the hero takes the definition's name
    game.writeDefinition();
    const std::string tryOut =
        "--seed 1 --start 2 --set 5=10 --set '$7=1' --set retezec1=Žába --set SILA=9";
    const Played p = PlayText(game, {"menu 1"}, tryOut + " --trace");
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.at(0, "/screen"), "main");
    EXPECT_EQ(p.at(0, "/game/lokace"), 2);
    EXPECT_EQ(p.at(0, "/game/hrac/jmeno"), "Hrdina");
    EXPECT_EQ(p.at(0, "/game/page/0/text"), "Sedm je 1, řetězec Žába");
    EXPECT_EQ(p.at(0, "/game/hrac/penize"), 25);
    EXPECT_EQ(p.at(0, "/game/hrac/sila"), 9);
    EXPECT_EQ(p.at(1, "/game/lokace"), 1);

    const std::string trace = ReadFile(game.path() / "stderr.txt");
    EXPECT_TRUE(Has(trace, "trace: lokace 2\n")) << trace;
    EXPECT_TRUE(Has(trace, "trace: lokace 2: ZPRAVA OBSAH=\"x\" -> neznámý příkaz, přeskočen\n"));
    EXPECT_TRUE(Has(trace, "trace: lokace 2: PENIZE: atribut PLSU příkaz nečte, přeskočen\n"));
    EXPECT_TRUE(Has(trace, "trace: lokace 2: PENIZE PLSU=\"3\" PLUS=\"10\" -> $PENIZE=25\n"));
    EXPECT_TRUE(Has(trace, "TEXT OBSAH=\"nikdy\" -> neprovedeno, podmínka neplatí\n"));
    EXPECT_TRUE(Has(trace, "trace: lokace 2: NAHODA 8=\"1k1\" -> $8=1\n"));
    EXPECT_TRUE(Has(trace, "M T=\"Zpět\" X=\"1\" -> položka nabídky 1\n"));
    EXPECT_TRUE(Has(trace, "trace: lokace 1\n"));

    // The states on standard output are the same with the trace and without.
    const Played quiet = PlayText(game, {"menu 1"}, tryOut);
    EXPECT_EQ(quiet.lines, p.lines);
    EXPECT_EQ(ReadFile(game.path() / "stderr.txt"), "");
}

TEST(TryOut, WhatTheGameCantFollowIsABadCommandLineAndNothingStarts) {
    GameFolder game(kStory);
    for (const char* options :
         {"--start 3", "--start 0", "--set 1000=1", "--set RETEZEC11=a", "--set KONEC=1",
          "--set 5=pět", "--set 5", "--start 2 --menu", "--set 5=1 --load x"}) {
        SCOPED_TRACE(options);
        const Played p = PlayText(game, {"menu 1"}, options);
        EXPECT_EQ(p.status, 2);
        EXPECT_TRUE(p.lines.empty());
        EXPECT_TRUE(Has(ReadFile(game.path() / "stderr.txt"), "morvane-text: --"));
    }
    // A hero value is set through the command that sets it in a script.
    const Played again = PlayText(game, {"menu 1"}, "--start 2 --set MAXZIVOTY=3");
    EXPECT_EQ(again.at(0, "/game/hrac/maxzivoty"), 3);
}
