#include <QLabel>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "base/Win1250.h"
#include "game/Flow.h"
#include "game/Game.h"
#include "save/SavePosition.h"
#include "screens/Controls.h"
#include "screens/TForm8.h"
#include "shell/labely/TLELabel.h"
#include "screens/ScreenFixture.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr const char* kStory = R"(<1>
<TEXT OBSAH="Rozcestí" ODKAZ="3">
<TEXT OBSAH="Druhý odstavec">
<MENU T="Do lesa" X="2"><M T="Poznámka" X="0">
<2>
<TEXT OBSAH="Les"><M T="Zpět" X="1"><ZMENOTAZKU OTAZKA="Co uděláš?">
<3>
<TEXT OBSAH="Řeka"><OBRAZEKVTEXTU SOUBOR="most.png"><OBRAZEKVTEXTU SOUBOR="zly.png">
)";

std::vector<QString> PageTexts(const TForm1& main) {
    std::vector<QString> texts;
    for (const QLabel* control : main.pageControls()) texts.push_back(control->text());
    return texts;
}

bool Shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace

TEST(MainWindow, NewGameShowsLocationOneAndMenuLabelsLeadOn) {
    Screens s(kStory);
    TForm1& main = s.start();
    Game& game = s.program->game();
    ASSERT_EQ(PageTexts(main), (std::vector<QString>{"Rozcestí", "Druhý odstavec"}));
    EXPECT_EQ(main.pageControls()[0]->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(Shown(main.Menu));
    EXPECT_EQ(main.Menu->text(), "Co uděláš?");
    EXPECT_EQ(main.Menu->x(), 64);  // its designed place

    ASSERT_EQ(main.menuLabels().size(), 2u);
    TLELabel* forest = main.menuLabels()[0];
    EXPECT_EQ(forest->text(), "Do lesa");
    EXPECT_EQ(forest->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(main.menuLabels()[1]->hoverUnderline);  // a plain line, not a link

    Enter(forest);
    EXPECT_EQ(game.cilovalokace, 2);
    EXPECT_TRUE(forest->font().underline());
    Click(forest);
    EXPECT_EQ(game.stavhry.lokace, 2);
    EXPECT_EQ(PageTexts(main), std::vector<QString>{"Les"});
    ASSERT_EQ(main.menuLabels().size(), 1u);
    EXPECT_EQ(main.menuLabels()[0]->text(), "Zpět");
    // Set by the script, even to the same text, it stands by its length.
    EXPECT_EQ(main.Menu->x(), 98 - 3 * 10);
    EXPECT_TRUE(s.host.errors.empty());
}

TEST(MainWindow, TextLinkMovesAtTheNextMouseMoveOrTimerTick) {
    Screens s(kStory);
    TForm1& main = s.start();
    Game& game = s.program->game();
    Click(main.pageControls()[0]);
    EXPECT_EQ(game.stavhry.lokace, 1);  // not inside the link's own click
    MoveOver(main.Menu);
    EXPECT_EQ(game.stavhry.lokace, 3);

    main.Inicializace();
    Click(main.pageControls()[0]);
    EXPECT_EQ(game.stavhry.lokace, 1);
    QTRY_COMPARE_WITH_TIMEOUT(game.stavhry.lokace, 3, 2000);
    EXPECT_EQ(main.pageControls()[0]->text(), "Řeka");
}

// The help's text, place and toggling are the core's; the window scrolls it.
TEST(MainWindow, HelpMakesThePageScrollAndGoesWithTheNextLocation) {
    Screens s(kStory);
    TForm1& main = s.start();
    main.NapovedaClick();
    QTest::keyClick(&main, Qt::Key_Down);
    EXPECT_EQ(main.pageControls()[0]->y(), 30 - 100);
    // A wheel stepping in half notches scrolls at every second step.
    for (int step = 0; step < 2; ++step) {
        QWheelEvent wheel(QPointF(300, 300), main.mapToGlobal(QPointF(300, 300)), QPoint(),
                          QPoint(0, -60), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&main, &wheel);
    }
    EXPECT_EQ(main.pageControls()[0]->y(), 30 - 100 - 150);
    Enter(main.menuLabels()[0]);
    Click(main.menuLabels()[0]);
    EXPECT_EQ(PageTexts(main), std::vector<QString>{"Les"});
    EXPECT_EQ(main.pageControls()[0]->y(), 30);
}

TEST(MainWindow, SkinWithoutHelpHidesOnlyTheHelpButton) {
    Screens s(kStory);
    s.folder.write("grafika/skin.ini", "[TechSetup]\r\nNapoveda=0\r\n");
    TForm1& main = s.start();
    EXPECT_FALSE(Shown(main.Label4));
    EXPECT_FALSE(Shown(main.Shape5));
    EXPECT_TRUE(Shown(main.Label3));
    EXPECT_TRUE(Shown(main.Label1));
    EXPECT_EQ(main.Shape1->pen(), QColor(128, 0, 0));  // the default frames
    EXPECT_EQ(main.Label3->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_FALSE(Shown(main.Label5));  // no audio device in tests
}

// Where pictures stand is PageLayoutTest's; here they take their size from the file.
TEST(MainWindow, PagePicturesTakeTheirSizeAndABrokenOneIsReported) {
    Screens s(kStory);
    WritePicture(s.folder.path() / "obrazky/most.png", Qt::green, 20, 10);
    s.folder.write("obrazky/zly.png", "not a picture");
    TForm1& main = s.start();
    Game& game = s.program->game();
    game.odlozenalokace = 3;
    MoveOver(main.Menu);
    ASSERT_EQ(main.pageControls().size(), 3u);
    EXPECT_EQ(main.pageControls()[1]->size(), QSize(20, 10));
    EXPECT_TRUE(main.pageControls()[2]->pixmap().isNull());
    ASSERT_EQ(s.host.errors.size(), 1u);
}

TEST(MainWindow, ContinueButtonResumesALoadedPosition) {
    Screens s(kStory);
    TForm1& main = s.start();
    Game& game = s.program->game();
    Enter(main.menuLabels()[0]);
    Click(main.menuLabels()[0]);
    ASSERT_EQ(SavePosition(game, "pozice"), SaveResult::Saved);

    ASSERT_EQ(ChoosePositionFile(game, SavedPositionPath("pozice")), PositionChoice::Chosen);
    main.Inicializace();
    EXPECT_TRUE(Shown(main.pokracovat));
    EXPECT_TRUE(Shown(main.pokracovatFrame));
    EXPECT_FALSE(Shown(main.Label1));
    EXPECT_FALSE(Shown(main.Label2));
    EXPECT_TRUE(main.pageControls().empty());
    EXPECT_TRUE(main.menuLabels().empty());
    EXPECT_TRUE(Shown(main.Menu));
    EXPECT_EQ(main.Menu->x(), 98 - 3 * 10);  // the loaded heading stands by its length

    MoveOver(main.pokracovat);
    Click(main.pokracovat);
    EXPECT_EQ(PageTexts(main), std::vector<QString>{"Les"});
    EXPECT_FALSE(Shown(main.pokracovat));
    EXPECT_TRUE(Shown(main.Label1));
    EXPECT_EQ(main.menuLabels().size(), 1u);
}
