// The window program reads the same try-out options as the terminal, and a
// game it starts by them begins where they say.
#include <gtest/gtest.h>

#include "game/Game.h"
#include "screens/CommandLine.h"
#include "screens/ScreenFixture.h"
#include "shell/labely/TLELabel.h"

using namespace morvane;
using namespace morvane::test;

TEST(CommandLine, TakesItsOwnOptionsAndTheTryOut) {
    std::string error;
    const auto line = ParseCommandLine(
        {"--seed", "7", "--start", "2", "--set", "5=3", "--trace", "--window", "hra"}, error);
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->options.seed, 7u);
    EXPECT_TRUE(line->options.window);
    EXPECT_EQ(line->folder, "hra");
    EXPECT_EQ(line->tryOut.lokace, 2);
    ASSERT_EQ(line->tryOut.nastaveni.size(), 1u);
    EXPECT_EQ(line->tryOut.nastaveni[0].nazev, "5");
    EXPECT_TRUE(line->tryOut.trace);
    // What the try-out options refuse is the terminal's test; these are the window's own.
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--start", "2", "--load", "x"},
                                                {"--seed", "x"},
                                                {"a", "b"}}) {
        error.clear();
        EXPECT_FALSE(ParseCommandLine(bad, error));
        EXPECT_FALSE(error.empty()) << bad[0];
    }
}

TEST(CommandLine, TryOutStartsTheWindowsGameAtItsLocation) {
    Screens s("<1>\n<TEXT OBSAH=\"Začátek\">\n<2>\n<TEXT OBSAH=\"Druhá $4\">\n");
    Program& program = s.create();
    std::string error;
    const auto line = ParseCommandLine({"--start", "2", "--set", "4=9"}, error);
    ASSERT_TRUE(line);
    ASSERT_TRUE(ChooseTryOut(program.game(), line->tryOut, error)) << error;
    TForm1& main = s.start();
    ASSERT_FALSE(main.pageControls().empty());
    EXPECT_EQ(main.pageControls()[0]->text(), QString::fromUtf8("Druhá 9"));
}
