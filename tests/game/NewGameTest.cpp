#include <gtest/gtest.h>

#include "game/NewGame.h"
#include "interpreter/Help.h"
#include "support/StoryGame.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr const char* kStory =
    "<1><TEXT OBSAH=\"Start\"><M T=\"Dál\" X=\"2\">"
    "<2><PROMENNA 5=\"7\"><RETEZEC 1=\"x\"><OBJEKT 3=\"1\" JMENO=\"Klíč\">"
    "<PRESMERUJ JMENO=\"jinde\"><M T=\"Zpět\" X=\"1\">";

void define(Game& game) {
    game.definice.vlastnosti[0] = 12;  // hit points
    game.definice.titulhry.assign("Titul");
    game.definice.nazevhry.assign("");
}

}  // namespace

TEST(NewGame, StartsAtLocationOneWithFreshStateEvenAfterAnEarlierGame) {
    StoryGame g(kStory);
    g.folder.write("data/knihovny/jinde.vrn", "<1><TEXT OBSAH=\"Jinde\">");
    define(g.game);
    StartNewGame(g.game);
    EXPECT_EQ(g.game.stavhry.lokace, 1);
    EXPECT_EQ(g.game.stavhry.otazka.view(), cz("Co uděláš?"));
    EXPECT_EQ(g.game.stavhry.barvaotazky, kWhite);
    ASSERT_EQ(g.game.hlavni.prvky.size(), 1u);
    EXPECT_EQ(g.game.hlavni.prvky[0].text.text, "Start");
    EXPECT_EQ(g.game.hrac.zivoty, 12);

    // The first game changes variables and redirects the story...
    g.go(2);
    EXPECT_EQ(g.game.stavhry.promenne[4], 7);
    EXPECT_EQ(g.game.stavhry.knihovna.view(), "jinde");
    EXPECT_EQ(g.game.objekty[3].mnozstvi, 1);

    // ...and a second game in the same run starts from the game's own story,
    // with nothing of the first one's fights.
    g.game.bonusy.rychlost = 4;
    g.game.vysledeksouboje = 2;
    g.game.hrac.zasazenvsouboji = 1;
    g.game.hrac.kouzlavsouboji = 3;
    StartNewGame(g.game);
    EXPECT_EQ(g.game.bonusy.rychlost + g.game.vysledeksouboje, 0);
    EXPECT_EQ(g.game.hrac.zasazenvsouboji + g.game.hrac.kouzlavsouboji, 0);
    EXPECT_EQ(g.game.stavhry.promenne[4], 0);
    EXPECT_TRUE(g.game.stavhry.retezce[0].empty());
    EXPECT_TRUE(g.game.stavhry.knihovna.empty());
    EXPECT_EQ(g.game.objekty[3].mnozstvi, 0);  // the key stays in the first game
    EXPECT_EQ(g.game.pocetobjektu, 0);
    ASSERT_EQ(g.game.hlavni.prvky.size(), 1u);
    EXPECT_EQ(g.game.hlavni.prvky[0].text.text, "Start");
    EXPECT_TRUE(g.frontend.errors.empty());
}

TEST(NewGame, HelpToggledTwiceLeavesThePageAsItWas) {
    StoryGame g(kStory);
    define(g.game);
    StartNewGame(g.game);
    NapovedaClick(g.game);
    ASSERT_EQ(g.game.hlavni.prvky.size(), 2u);
    const PageText& help = g.game.hlavni.prvky[1].text;
    EXPECT_EQ(help.barva, kYellow);
    EXPECT_EQ(help.left, 240);
    EXPECT_NE(help.text.find(cz("Nápověda")), std::string::npos);
    NapovedaClick(g.game);
    ASSERT_EQ(g.game.hlavni.prvky.size(), 1u);
    EXPECT_EQ(g.game.hlavni.pocettextu, 1);
    NapovedaClick(g.game);
    g.go(2);  // the help goes with the page
    EXPECT_FALSE(g.game.okno.napovedaVisible);
}

TEST(NewGame, HelpLinesFollowTheScreenWidth) {
    for (const auto& [width, stars, wrap] : {std::tuple{1024, 83u, 75u}, std::tuple{640, 55u, 50u}}) {
        const std::string text = HelpText(width);
        std::size_t longest = 0, start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != '\r') continue;
            const std::string_view line(text.data() + start, i - start);
            if (line.find('*') == std::string_view::npos) longest = std::max(longest, line.size());
            else EXPECT_EQ(line.size(), stars);
            start = i + 1;
        }
        EXPECT_LE(longest, wrap) << width;
        EXPECT_GT(longest, wrap - 10) << width;
        EXPECT_EQ(text.find('\n'), std::string::npos);
    }
}
