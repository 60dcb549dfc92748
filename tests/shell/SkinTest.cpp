#include <gtest/gtest.h>

#include "shell/ModalLook.h"
#include "shell/Skin.h"
#include "support/TempFolder.h"
#include "support/TestGame.h"

namespace morvane {
namespace {

void expectFont(const SkinFont& font, const char* face, std::int32_t size, std::int32_t colour,
                bool bold, bool italic = false) {
    EXPECT_EQ(font.face, face);
    EXPECT_EQ(font.size, size);
    EXPECT_EQ(font.colour, colour);
    EXPECT_EQ(font.bold, bold);
    EXPECT_EQ(font.italic, italic);
}

TEST(Skin, MissingFilesAreNoErrorAndOneKeyChangesOnlyItself) {
    test::TempFolder folder;
    EXPECT_EQ(ReadMenuSkin(folder.path()).error, "");
    EXPECT_EQ(ReadSkin(folder.path()).error, "");
    folder.write("grafika/skin.ini", "[TechSetup]\r\nNapoveda=0\r\n");
    const Skin skin = ReadSkin(folder.path()).skin;
    EXPECT_FALSE(skin.napoveda);
    EXPECT_TRUE(skin.audiotlacitko);
    EXPECT_EQ(skin.ramecky, 0x000080);
    expectFont(skin.MenuFont, "Arial", 12, 0, false);

    // Only "TransparentForms" 0: every modal screen unshaped in $00030203.
    folder.write("grafika/menuskin.ini", "[TechSetup]\nTransparentForms=0\n");
    const MenuSkin menu = ReadMenuSkin(folder.path()).skin;
    const ModalLook look = ApplyModalLook(menu, skin, ModalScreen::Save);
    EXPECT_EQ(look.barva, 0x00030203);
    EXPECT_FALSE(look.pruhledne);
    EXPECT_FALSE(look.ramecky.has_value());
}

TEST(Skin, ValuesAsGamesWriteThem) {
    test::TempFolder folder;
    folder.write("Grafika/SKIN.INI",
                 "[interface]\n"
                 "ramecky = *0000FF\n"
                 "Popisky=Lime\n"
                 "Popisky=Red\n"  // the first value of a key wins
                 "  Okna=Navy\n"  // indented, still a key of its own
                 "[Menu]\n"
                 "Font=\"Times New Roman\"\n"
                 "Velikost=14 ; bigger\n"
                 "Tucne=2\n"
                 "Kurziva=true\n"  // not a number: the default
                 "[MenuOtazka]\n"
                 "Velikost=velka\n"
                 "Kurziva=-1\n"
                 "[TechSetup]\n"
                 "AudioTlacitko=0\n");
    const SkinRead<Skin> read = ReadSkin(folder.path());
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.skin.ramecky, 0x0000FF);
    EXPECT_EQ(read.skin.popisky, 0x00FF00);
    EXPECT_EQ(read.skin.okna, 0x800000);
    expectFont(read.skin.MenuFont, "Times New Roman", 14, 0, true, false);
    expectFont(read.skin.MenuOtazkaFont, "Arial", 12, 0, false, true);
    EXPECT_FALSE(AudioButtonShown(read.skin, true));

    // Fight, shop and inventory take the main skin's frame colour.
    const ModalLook fight = ApplyModalLook(MenuSkin{}, read.skin, ModalScreen::Fight);
    EXPECT_TRUE(fight.pruhledne);
    EXPECT_EQ(fight.ramecky, 0x800000);
    EXPECT_EQ(ApplyModalLook(MenuSkin{}, read.skin, ModalScreen::Sell).ramecky, std::nullopt);
}

TEST(Skin, BadColourIsReportedAndKeepsItsDefault) {
    test::TestGame t;
    test::TempFolder folder;
    t.game.pribeh.soubory.gameFolder = folder.path();
    folder.write("grafika/skin.ini", "[Interface]\nRamecky=Maroonish\nPopisky=$1\nOkna=kred\n");
    LoadSkin(t.game);
    EXPECT_EQ(t.frontend.errors, std::vector<std::string>{"'Maroonish' is not a valid integer value"});
    EXPECT_EQ(t.game.skin.ramecky, 0x000080);
    EXPECT_EQ(t.game.skin.popisky, 1);
    EXPECT_EQ(t.game.skin.okna, 0);

    folder.write("grafika/menuskin.ini", "[Odkaz]\nBarva=*12345G\nTucne=1\n");
    LoadMenuSkinIniFile(t.game);
    ASSERT_EQ(t.frontend.errors.size(), 2u);
    // The error names the text as converted, with "$" for "*".
    EXPECT_EQ(t.frontend.errors[1], "'$12345G' is not a valid integer value");
    EXPECT_EQ(t.game.menuskin.font_odkaz.colour, 0x00FFFF);
    EXPECT_TRUE(t.game.menuskin.font_odkaz.bold);
}

TEST(ModalLook, CentredOnTheMainWindowWithHalvesRoundedDown) {
    const ScreenPosition place = CentreOnMainWindow(1025, 769, 300, 201);
    EXPECT_EQ(place.left, 512 - 150);
    EXPECT_EQ(place.top, 384 - 100);
    EXPECT_EQ(CentreOnMainWindow(640, 480, 801, 601).left, 320 - 400);
}

}  // namespace
}  // namespace morvane
