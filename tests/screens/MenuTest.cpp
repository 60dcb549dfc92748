#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "base/Win1250.h"
#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/ScreenFixture.h"
#include "screens/TForm10.h"
#include "screens/TForm14.h"
#include "screens/TForm8.h"
#include "screens/TForm9.h"
#include "shell/labely/TLELabel.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr const char* kStory = "<1>\n<TEXT OBSAH=\"Začátek\"><M T=\"Dál\" X=\"1\">\n";

QColor TopLeft(const QLabel* picture) { return picture->pixmap().toImage().pixelColor(0, 0); }

}  // namespace

TEST(MainMenu, NewGameGoesThroughNameEntryIntoTheMainWindow) {
    Screens s(kStory);
    s.folder.definice.zadavanijmena = 1;
    s.folder.writeDefinition();
    Program& program = s.create();
    ASSERT_TRUE(program.ok());
    TForm8& menu = program.menu();

    QString page, offered;
    std::string hero;
    Watchdog watchdog;
    QTimer::singleShot(0, [&] {
        TForm14& name = program.name();
        offered = name.Edit1->text();
        name.Edit1->setText("Adéla");
        QTimer::singleShot(200, [&] {
            page = program.main().pageControls().empty()
                       ? QString() : program.main().pageControls()[0]->text();
            hero = program.game().hrac.jmeno.str();
            program.main().KonecClick();
        });
        Click(name.Image2);  // the keyboard's Return is the demo route's
    });
    Click(menu.Buttons[0]);
    EXPECT_EQ(offered, "Hrdina");  // the game's own hero name, for a player who only clicks
    EXPECT_EQ(page, "Začátek");
    EXPECT_EQ(hero, cz("Adéla"));
    EXPECT_EQ(s.host.quits, 1);
}

// Which of a picture's files is taken is FindSkinImage's test.
TEST(MainMenu, HoverPicturesAndEsc) {
    Screens s(kStory);
    WritePicture(s.folder.path() / "grafika/menu.png", Qt::red, 240, 400, 10);
    WritePicture(s.folder.path() / "grafika/tlacitko_1.png", Qt::green, 170, 37);
    WritePicture(s.folder.path() / "grafika/tlacitko_1b.png", Qt::yellow, 170, 37, 5);
    WritePicture(s.folder.path() / "grafika/tlacitko_2.png", Qt::green, 170, 37);
    WritePicture(s.folder.path() / "grafika/tlacitko_2b.png", Qt::yellow, 170, 37);
    TForm8& menu = s.create().menu();
    EXPECT_EQ(menu.Image1->pixmap().toImage().pixelColor(20, 20), QColor(Qt::red));
    // The picture's fuchsia corner is see-through.
    EXPECT_FALSE(menu.mask().contains(QPoint(5, 5)));
    EXPECT_TRUE(menu.mask().contains(QPoint(20, 20)));

    // From one button straight onto another: both stay lit until the background.
    MoveOver(menu.Buttons[0]);
    MoveOver(menu.Buttons[1]);
    EXPECT_EQ(TopLeft(menu.Buttons[0]), QColor(255, 0, 255));
    EXPECT_EQ(TopLeft(menu.Buttons[1]), QColor(Qt::yellow));
    // The lit picture's fuchsia corner is see-through while it is shown.
    EXPECT_FALSE(menu.mask().contains(QPoint(34, 74)));
    MoveOver(menu.Image1);
    EXPECT_EQ(TopLeft(menu.Buttons[0]), QColor(Qt::green));
    EXPECT_EQ(TopLeft(menu.Buttons[1]), QColor(Qt::green));
    EXPECT_TRUE(menu.mask().contains(QPoint(34, 74)));

    EXPECT_EQ(s.host.quits, 0);
    QTest::keyClick(&menu, Qt::Key_Escape);
    EXPECT_EQ(s.host.quits, 1);
}

TEST(MainMenu, BrokenPicturesAreReportedAndTheMenuStillWorks) {
    Screens s(kStory);
    s.folder.write("grafika/titulek.png", "\x89PNG\r\n\x1a\n broken");
    Program& program = s.create();
    ASSERT_TRUE(program.ok());
    EXPECT_TRUE(program.menu().Image6->pixmap().isNull());
    EXPECT_EQ(s.host.errors.size(), 1u);

    // A folder that is no game: one report, not one per missing picture.
    Screens broken(kStory);
    broken.folder.write("data/inicializace.vrn", "short");
    std::filesystem::remove_all(broken.folder.path() / "grafika");
    EXPECT_FALSE(broken.create().ok());
    ASSERT_EQ(broken.host.errors.size(), 1u);
    EXPECT_TRUE(broken.host.errors[0].startsWith("Definice hry")) << broken.host.errors[0].toStdString();
}

TEST(MainMenu, AboutBoxClosesOnAKeyAndOpensNoAddress) {
    Screens s(kStory);
    Program& program = s.create();
    TForm9& about = program.about();
    Watchdog watchdog;
    bool shown = false, afterLink = false, afterAltF4 = false;
    QTimer::singleShot(0, [&] {
        shown = about.isVisible();
        Click(about.Odkaz);  // the link names the engine and opens nothing
        afterLink = about.isVisible();
        QTest::keyPress(&about, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(&about, Qt::Key_F4, Qt::AltModifier);
        QTest::keyRelease(&about, Qt::Key_Alt);
        afterAltF4 = about.isVisible();  // swallowed, Alt on its own included
        QTest::keyClick(&about, Qt::Key_A);
    });
    Click(program.menu().Buttons[2]);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(afterLink);
    EXPECT_TRUE(afterAltF4);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(s.host.web.empty());
}

TEST(MainMenu, APositionThatCannotBeReadKeepsTheLoadDialogOpen) {
    Screens s(kStory);
    s.folder.write("save/kratka.mkp", "kratka");
    Program& program = s.create();
    TForm10& load = program.load();
    Watchdog watchdog;
    bool open = false;
    QTimer::singleShot(0, [&] {
        ASSERT_EQ(load.entries().size(), 1u);
        Click(load.entries()[0]);
        open = load.isVisible();
        QTest::keyClick(&load, Qt::Key_Escape);
    });
    Click(program.menu().Buttons[1]);
    EXPECT_TRUE(open);
    EXPECT_EQ(s.host.errors.size(), 1u);
    EXPECT_FALSE(program.main().isVisible());  // no game started
    EXPECT_FALSE(program.game().ulozeni.nacistpozici);
}
