#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Win1250.h"
#include "support/StoryGame.h"

using namespace morvane;

namespace {

using Texts = std::vector<std::string>;

Texts pageTexts(const Game& game) {
    Texts texts;
    for (const PageElement& e : game.hlavni.prvky) texts.push_back(e.text.text);
    return texts;
}

void tick(Game& game, int times) {
    for (int i = 0; i < times; ++i) TimerTimer(game);
}

TEST(FlowCommands, CountdownShowsSecondsAndMovesOnAfterItsTicks) {
    test::StoryGame t(
        "<1><CASOVAC CAS=\"3\" ODKAZ=\"5\" VYPISUJ=\"ano\"><M T=\"jinam\" X=\"2\">\r\n"
        "<2><CASOVAC CAS=\"x\" ODKAZ=\"5\">\r\n"
        "<5><TEXT OBSAH=\"pet\">\r\n");
    Game& game = t.game;
    t.go(1);
    // The first second lasts 10 ticks, every later one 9.
    const std::pair<int, const char*> steps[] = {{0, "3"}, {9, "3"}, {1, "2"}, {8, "2"}, {1, "1"}};
    for (auto [ticks, label] : steps) {
        tick(game, ticks);
        EXPECT_EQ(game.casovac.label, label);
    }
    tick(game, 8);
    EXPECT_EQ(game.stavhry.lokace, 1);
    tick(game, 1);
    EXPECT_EQ(game.stavhry.lokace, 5);
    EXPECT_EQ(t.frontend.sideScreensClosed, 1);
    EXPECT_FALSE(game.casovac.casovacbezi);

    // A move stops it; so does a bad number, before the countdown starts.
    t.go(1);
    game.cilovalokace = 2;
    Button1Click(game);
    EXPECT_FALSE(game.casovac.casovacbezi);
    EXPECT_EQ(game.casovac.label, "");
    tick(game, 40);
    EXPECT_EQ(game.stavhry.lokace, 2);
    EXPECT_EQ(t.frontend.errors, Texts{"'x' is not a valid integer value"});
}

TEST(FlowCommands, BackLeadsToThePreviousLocationAndQuitLetsTheLocationFinish) {
    test::StoryGame t(
        "<1><ZPET><KONEC><ZPET T=\"Vrátit se\"><M T=\"dal\" X=\"2\">\r\n"
        "<2>\r\n");
    t.go(2);
    t.go(1);
    const stavhry& s = t.game.stavhry;
    ASSERT_EQ(s.pocetpolozek, 3);
    EXPECT_EQ(s.menu[0].cil, 2);
    EXPECT_EQ(s.menu[0].text.str(), cz("Zpět"));
    EXPECT_EQ(s.menu[1].cil, 2);
    EXPECT_EQ(s.menu[1].text.str(), cz("Vrátit se"));
    EXPECT_TRUE(t.game.okno.quitRequested);
    EXPECT_TRUE(t.game.okno.menuVisible);
}

TEST(FlowCommands, ButtonsHiddenForTheLocationOrForTheGame) {
    test::StoryGame t(
        "<1><ZAKAZPOSTAVUDOCASNE><ZAKAZVYBAVENI>\r\n"
        "<2><POVOLVYBAVENIDOCASNE>\r\n"
        "<3><ZAKAZPOSTAVU><POVOLPOSTAVUDOCASNE><POVOLVYBAVENI>\r\n"
        "<4>\r\n");
    Game& game = t.game;
    game.stavhry.postavapovolena = game.stavhry.vybavenipovoleno = 1;
    auto shown = [&] { return std::pair(game.okno.postavaVisible, game.okno.vybaveniVisible); };
    t.go(1);
    EXPECT_EQ(shown(), std::pair(false, false));
    t.go(2);
    EXPECT_EQ(shown(), std::pair(true, true));
    t.go(4);
    EXPECT_EQ(shown(), std::pair(true, false));
    t.go(3);
    EXPECT_EQ(shown(), std::pair(true, true));
    t.go(4);
    EXPECT_EQ(shown(), std::pair(false, true));
    EXPECT_EQ(game.stavhry.postavapovolena, 0);
}

TEST(FlowCommands, RedirectToALibraryAndBackToTheStory) {
    test::StoryGame t(
        "<1><PRESMERUJ JMENO=\"jinde\"><TEXT OBSAH=\"story1\">\r\n"
        "<2><TEXT OBSAH=\"story2\"><PRESMERUJ JMENO=\"nikde\">\r\n");
    t.folder.write("data/knihovny/jinde.vrn",
                   "<1><TEXT OBSAH=\"lib1\">\r\n<2><TEXT OBSAH=\"lib2\"><PRESMERUJ>\r\n");
    t.go(1);
    EXPECT_EQ(pageTexts(t.game), Texts{"story1"});
    EXPECT_EQ(t.game.stavhry.knihovna.str(), "jinde");
    t.go(2);
    EXPECT_EQ(pageTexts(t.game), Texts{"lib2"});
    EXPECT_EQ(t.game.stavhry.knihovna.str(), "");
    t.go(2);
    EXPECT_EQ(pageTexts(t.game), Texts{"story2"});
    // A library that can't be read redirects nowhere.
    EXPECT_EQ(t.frontend.messages, Texts{"Nenalezena knihovna nikde !!!!"});
    t.go(1);
    EXPECT_EQ(pageTexts(t.game), Texts{"story1"});
}

TEST(FlowCommands, PrefixAndSuffixSurroundLaterLocations) {
    test::StoryGame t(
        "<1><PREFIX JMENO=\"pre\" PROVADET=\"ano\"><SUFFIX VYBRAT=\"suf\" PROVADET=\"ANO\">"
        "<TEXT OBSAH=\"one\">\r\n"
        "<2><TEXT OBSAH=\"two\">\r\n"
        "<3>#noprefix;<TEXT OBSAH=\"three\">\r\n"
        "<4><PREFIX PROVADET=\"ne\"><SUFFIX PROVADET=\"jo\"><TEXT OBSAH=\"four\">\r\n"
        "<5><TEXT OBSAH=\"five\">\r\n");
    t.folder.write("data/knihovny/pre.vrn", "<TEXT OBSAH=\"pre\">");
    t.folder.write("data/knihovny/suf.vrn", "<TEXT OBSAH=\"suf\">");
    t.go(1);
    EXPECT_EQ(pageTexts(t.game), Texts{"one"});
    t.go(2);
    EXPECT_EQ(pageTexts(t.game), (Texts{"pre", "two", "suf"}));
    t.go(3);
    EXPECT_EQ(pageTexts(t.game), (Texts{"three", "suf"}));
    t.go(4);
    EXPECT_EQ(pageTexts(t.game), (Texts{"pre", "four", "suf"}));
    t.go(5);
    EXPECT_EQ(pageTexts(t.game), (Texts{"five", "suf"}));
}

}  // namespace
