#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/Win1250.h"
#include "shell/GameFilePath.h"
#include "shell/PictureFiles.h"
#include "support/StoryGame.h"

using namespace morvane;

namespace {

constexpr std::int32_t kRed = 0x0000FF;

std::vector<std::string> pageTexts(const Game& game) {
    std::vector<std::string> texts;
    for (const PageElement& e : game.hlavni.prvky) {
        if (e.jeText) texts.push_back(toUtf8(e.text.text));
    }
    return texts;
}

std::vector<std::string> menuCaptions(const Game& game) {
    std::vector<std::string> captions;
    for (int j = 1; j <= game.stavhry.pocetpolozek; ++j)
        captions.push_back(toUtf8(MenuCaption(game, j)));
    return captions;
}

using Texts = std::vector<std::string>;

TEST(PageCommands, ABlockIsDecidedOnceAtItsFirstCommand) {
    test::StoryGame t(
        "<1>\r\n"
        "[5 = \"0]<TEXT OBSAH=\"a\"><PROMENNA 5=\"1\"><TEXT OBSAH=\"b\">[/]\r\n"
        "[5 = \"0]<TEXT OBSAH=\"c\">[/]\r\n"
        "[5 = \"1]<TEXT OBSAH=\"d\">[/]\r\n"
        "<2>[5 = \"7]<TEXT OBSAH=\"e\"><M T=\"f\" X=\"1\">[/]\r\n");
    t.go(1);
    EXPECT_EQ(pageTexts(t.game), (Texts{"a", "b", "d"}));
    t.go(2);
    EXPECT_TRUE(t.game.hlavni.prvky.empty());
    EXPECT_EQ(t.game.stavhry.pocetpolozek, 0);
    EXPECT_TRUE(t.game.okno.menuVisible);
}

TEST(PageCommands, TextIsPreparedAndStyledOncePerBlock) {
    const std::string sixty = "aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff.";
    const std::string story = "<1><TEXT OBSAH=\"" + sixty +
                              "\">\r\n<2><TEXT TUCNE=\"ano\" OBSAH=\"" + sixty +
                              " ggggggggg\">\r\n";
    test::StoryGame t(story);
    t.game.screenWidth = 640;
    t.go(1);
    EXPECT_EQ(pageTexts(t.game),
              (Texts{"aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee \r\nfffffffff."}));
    t.game.screenWidth = 800;
    t.go(1);
    EXPECT_EQ(pageTexts(t.game), (Texts{sixty}));
    t.go(2);  // 70 characters: bold wraps at 66
    EXPECT_EQ(pageTexts(t.game)[0].find("\r\n"), 61u);

    test::StoryGame s(
        "<1><TEXT OBSAH=\"one\" BARVA=\"red\" TUCNE=\"Ano\" KURZIVA=\"ano\" ODKAZ=\"4\" "
        "WEBLINK=\"http://x\" OBSAH=\"say //hi//\r\n\tnow\"><TEXT BARVA=\"red\"><TEXT "
        "OBSAH=\"x\">");
    s.game.stavhry.barvatextu = 0x123456;
    s.go(1);
    ASSERT_EQ(pageTexts(s.game), (Texts{"one", "say \"hi\" \nnow", "x"}));
    for (int i = 0; i < 2; ++i) {
        const PageText& b = s.game.hlavni.prvky[i].text;
        EXPECT_EQ(std::tuple(b.barva, b.tucne, b.kurziva, b.odkaz, b.weblink),
                  std::tuple(kRed, false, true, 4, "http://x"));
    }
    EXPECT_EQ(s.game.hlavni.prvky[2].text.barva, 0x123456);
    EXPECT_EQ(s.game.hlavni.pocettextu, 3);
}

// Both front ends lay the page out from the core's numbers, so a picture
// given no size carries its own, read from the file (0 x 0 when unreadable).
TEST(PageCommands, APictureGivenNoSizeCarriesItsOwn) {
    test::StoryGame t(
        "<1><OBRAZEKVTEXTU SOUBOR=\"Mapa.PNG\"><OBRAZEKVTEXTU SOUBOR=\"zly.png\">"
        "<OBRAZEKVTEXTU SOUBOR=\"Mapa.PNG\" VYSKA=\"9\">\r\n");
    t.folder.write("obrazky/zly.png", "x");
    test::writePng(t.folder.path() / "obrazky" / "Mapa.PNG", 3, 2,
                   std::vector<test::Rgba>(6, {1, 2, 3, 255}));
    t.go(1);
    std::vector<std::pair<int, int>> sizes;
    for (const PageElement& e : t.game.hlavni.prvky) sizes.emplace_back(e.obrazek.sirka, e.obrazek.vyska);
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{3, 2}, {0, 0}, {30, 9}}));
}

TEST(PageCommands, PicturesOnThePageAndInTheWindow) {
    test::StoryGame t(
        "<1><OBRAZEKVTEXTU SOUBOR=\"a.png\"><TEXT OBSAH=\"t\">"
        "<OBRAZEKVTEXTU SOUBOR=\"a.png\" SIRKA=\"80\" ODKAZ=\"3\" POSUNX=\"5\" POSUNY=\"-4\">"
        "<OBRAZEKVTEXTU SOUBOR=\"b.png\"><OBRAZEKVTEXTU SOUBOR=\"\">"
        "<OBRAZEK SOUBOR=\"a.png\" VYSKA=\"20\" POPIS=\"Mapa\"><M T=\"dal\" X=\"2\">"
        "<OBRAZEK SOUBOR=\"b.png\"><TEXT OBSAH=\"never\">\r\n");
    t.folder.write("obrazky/a.png", "x");
    t.go(1);
    const Game& game = t.game;
    ASSERT_EQ(game.hlavni.prvky.size(), 3u);
    EXPECT_EQ(game.hlavni.pocetobrazku, 2);
    EXPECT_FALSE(game.hlavni.naposledytext);
    const PagePicture& own = game.hlavni.prvky[0].obrazek;
    EXPECT_TRUE(own.vlastnivelikost && !own.posunyzadan);
    const PagePicture& p = game.hlavni.prvky[2].obrazek;
    EXPECT_EQ(std::tuple(p.soubor, p.vlastnivelikost, p.sirka, p.vyska, p.odkaz, p.posunx, p.posuny,
                         p.posunyzadan),
              std::tuple("./obrazky/a.png", false, 80, 30, 3, 5, -4, true));
    EXPECT_EQ(t.frontend.messages,
              (std::vector<std::string>{"Obrazekvtextu - neexistuje: \"./obrazky/b.png\"",
                                        "Obrazekvtextu - neexistuje: \"./obrazky/\""}));
    // The window waits for the player; a missing picture ends the location,
    // and what it built so far stays.
    ASSERT_EQ(t.frontend.pictures.size(), 1u);
    const auto& w = t.frontend.pictures[0];
    EXPECT_EQ(std::tuple(w.file, w.height, w.ownSize, w.caption),
              std::tuple("./obrazky/a.png", 20, false, "Mapa"));
    EXPECT_EQ(t.frontend.errors.size(), 1u);
    EXPECT_EQ(menuCaptions(game), (Texts{"dal"}));
}

TEST(PageCommands, PictureNamesLeadingOutOfThePictureFolderAreRefused) {
    test::StoryGame t("<1><OBRAZEKVTEXTU SOUBOR=\"..\\data\\data.vrn\">"
                      "<OBRAZEK SOUBOR=\"../data/data.vrn\"><TEXT OBSAH=\"never\">");
    t.go(1);
    EXPECT_TRUE(t.game.hlavni.prvky.empty());
    EXPECT_TRUE(t.frontend.pictures.empty());
    EXPECT_EQ(t.frontend.messages,
              std::vector<std::string>{outsideFolderMessage("./obrazky/..\\data\\data.vrn")});
    EXPECT_EQ(t.frontend.errors,
              std::vector<std::string>{outsideFolderMessage("./obrazky/../data/data.vrn")});
}

TEST(PageCommands, TablesStopAtTheirCapacity) {
    std::string story = "<1>";
    for (int i = 0; i < 11; ++i) {
        story += "<TEXT";
        for (int k = 0; k < 10; ++k) story += " OBSAH=\"t\"";
        story += ">";
    }
    for (int i = 0; i < 51; ++i) story += "<OBRAZEKVTEXTU SOUBOR=\"a.png\">";
    for (int i = 0; i < 21; ++i) story += "<M T=\"m" + std::to_string(i) + "\">";
    test::StoryGame t(story);
    t.folder.write("obrazky/a.png", "x");
    t.go(1);
    EXPECT_EQ(t.game.hlavni.pocettextu, 100);
    EXPECT_EQ(t.game.hlavni.pocetobrazku, 50);
    EXPECT_EQ(t.game.hlavni.prvky.size(), 150u);
    EXPECT_EQ(t.game.stavhry.pocetpolozek, 20);
    EXPECT_EQ(menuCaptions(t.game).back(), "m19");
}

TEST(PageCommands, MenuItemsHeadingAndLocationNumbers) {
    test::StoryGame t(
        "<1><VYCHOZIBARVAMENU BARVA=\"*0000ff\"><M T=\"plain\" X=\"0\"><MENU POPIS=\"a\" "
        "ODKAZ=\"12\" "
        "BARVA=\"lime\"><M X=\"3\"><ZMENOTAZKU OTAZKA=\"Kam?\" "
        "BARVA=\"Yellow\"><ZAPNICISLALOKACI>\r\n"
        "<2><M X=\"1\"><VYPNICISLALOKACI><VYCHOZIBARVATEXTU BARVA=\"255\"><M T=\"lost\">\r\n");
    t.go(1);
    const stavhry& s = t.game.stavhry;
    EXPECT_EQ(menuCaptions(t.game), (Texts{"plain (0)", "a (12)", " (3)"}));
    EXPECT_EQ(s.menu[0].cil, 0);
    EXPECT_EQ(s.menu[0].barva, kRed);
    EXPECT_EQ(s.menu[1].barva, 0x00FF00);
    EXPECT_EQ(s.otazka.str(), "Kam?");
    EXPECT_EQ(s.barvaotazky, 0x00FFFF);
    EXPECT_EQ(t.game.okno.locationLabel, "<1>");
    // The slot of "plain" is reused by an item that sets no text; the colour
    // error ends the location but its menu is still built.
    t.go(2);
    EXPECT_EQ(menuCaptions(t.game), (Texts{""}));
    EXPECT_EQ(t.frontend.errors, (std::vector<std::string>{"'255' is not a valid integer value"}));
    EXPECT_TRUE(t.game.okno.menuVisible);
    EXPECT_EQ(t.game.okno.locationLabel, "");
}

TEST(PageCommands, InfoLinesTakeTextOnlyWhileSwitchedOn) {
    test::StoryGame t(
        "<1><INFO OBSAH=\"a\" OBSAH=\"b\" BARVA=\"red\">\r\n"
        "<2><VYPNIINFO><INFO OBSAH=\"c\" COLOR=\"lime\"><SMAZATINFO>\r\n"
        "<3><ZAPNIINFO><SMAZATINFO>\r\n");
    t.go(1);
    EXPECT_EQ(t.game.historie[0].text, "b");
    EXPECT_EQ(t.game.historie[0].barva, kRed);
    EXPECT_EQ(t.game.historie[1].text, "a");
    EXPECT_EQ(t.game.historie[1].barva, kWhite);
    t.go(2);
    EXPECT_EQ(t.game.historie[0].text, "b");
    EXPECT_EQ(t.game.historie[0].barva, 0x00FF00);
    EXPECT_EQ(t.game.historie[1].barva, kGrey);
    t.go(3);
    for (const InfoLine& line : t.game.historie) EXPECT_EQ(line.text, "");
}

}  // namespace
