// Keyboard play of the main window and the side screens, the page's scroll
// limits, and the layout details that were seen wrong on screen.
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

#include "game/Game.h"
#include "save/SavePosition.h"
#include "screens/Controls.h"
#include "screens/KeyWalk.h"
#include "screens/ScreenFixture.h"
#include "screens/Stage.h"
#include "screens/TForm10.h"
#include "screens/TForm14.h"
#include "screens/TForm2.h"
#include "screens/TForm8.h"
#include "screens/TSaveForm.h"
#include "shell/labely/TLELabel.h"

using namespace morvane;
using namespace morvane::test;

namespace {

// Location 1 is far longer than the screen, with a link at its top.
std::string LongStory() {
    std::string story = "<1>\n<TEXT OBSAH=\"Rozcestí\" ODKAZ=\"3\">\n";
    for (int k = 1; k <= 60; ++k) story += "<TEXT OBSAH=\"Odstavec " + std::to_string(k) + "\">\n";
    story += "<MENU T=\"Do lesa\" X=\"2\"><M T=\"K řece, která teče daleko za obzor\" X=\"3\">\n"
             "<2>\n<TEXT OBSAH=\"Les\"><M T=\"Zpět\" X=\"1\">\n"
             "<3>\n<TEXT OBSAH=\"Řeka\"><M T=\"Zpět\" X=\"1\"><M T=\"Uložit\" X=\"4\">\n"
             "<4>\n<SAVE NAZEV=\"u řeky\"><TEXT OBSAH=\"Po uložení\">\n";
    return story;
}

void Type(QWidget* to, int key, const QString& text = {}, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(to, &press);
}

}  // namespace

TEST(Keys, MainWindowScrollsWithinThePageWalksLinksAndChoosesByDigits) {
    Screens s(LongStory());
    Watchdog watchdog;
    TForm1& main = s.start();
    Game& game = s.program->game();
    const QLabel* top = main.pageControls().front();
    const QLabel* last = main.pageControls().back();
    EXPECT_EQ(top->y(), 30);
    EXPECT_TRUE(main.dalsi->isVisible());  // the text goes on below
    Type(&main, Qt::Key_Up);
    EXPECT_EQ(top->y(), 30);  // nothing above the top
    Type(&main, Qt::Key_End);
    EXPECT_LE(last->y() + last->height(), main.Zprava_ramecek->y());
    EXPECT_GT(last->y() + last->height(), main.Zprava_ramecek->y() - 30);
    EXPECT_FALSE(main.dalsi->isVisible());
    const int end = top->y();
    Type(&main, Qt::Key_Down);
    EXPECT_EQ(top->y(), end);
    Type(&main, Qt::Key_Home);
    EXPECT_EQ(top->y(), 30);

    // Tab reaches the link, then the menu items; Enter follows the link as a
    // click does (the move waits for the pointer or the timer).
    Type(&main, Qt::Key_End);
    Type(&main, Qt::Key_Tab);
    ASSERT_EQ(main.keys.reached(), top);
    EXPECT_EQ(top->y(), 10);  // scrolled back into view
    Type(&main, Qt::Key_Tab);
    EXPECT_EQ(main.keys.reached(), main.menuLabels()[0]);
    EXPECT_TRUE(main.menuLabels()[0]->font().underline());
    Type(&main, Qt::Key_Backtab, {}, Qt::ShiftModifier);
    EXPECT_EQ(main.keys.reached(), top);
    Type(&main, Qt::Key_Return);
    EXPECT_EQ(game.odlozenalokace, 3);
    MoveOver(main.Menu);
    EXPECT_EQ(game.stavhry.lokace, 3);
    EXPECT_EQ(main.keys.reached(), nullptr);

    // Digits choose menu items, the Czech top row too; a missing item is nothing.
    Type(&main, Qt::Key_1, "1");
    EXPECT_EQ(game.stavhry.lokace, 1);
    Type(&main, Qt::Key_9, "9");
    EXPECT_EQ(game.stavhry.lokace, 1);
    Type(&main, Qt::Key_unknown, QString::fromUtf8("ě"));
    EXPECT_EQ(game.stavhry.lokace, 3);
    EXPECT_TRUE(s.host.errors.empty());
}

TEST(Keys, ButtonsOfTheMainWindowAndTheSaveScreen) {
    Screens s(LongStory());
    TForm1& main = s.start();
    const std::size_t shown = main.pageControls().size();
    Type(&main, Qt::Key_N);  // help
    EXPECT_EQ(main.pageControls().size(), shown + 1);
    Type(&main, Qt::Key_F1);
    EXPECT_EQ(main.pageControls().size(), shown);

    Watchdog watchdog;
    bool sheetShown = false;
    QTimer::singleShot(20, [&] {
        sheetShown = s.program->sheet().isVisible();
        Type(&s.program->sheet(), Qt::Key_Escape);  // a key with no new meaning closes it
    });
    Type(&main, Qt::Key_P);
    EXPECT_TRUE(sheetShown);
    EXPECT_FALSE(s.program->sheet().isVisible());

    // Esc on the save screen cancels: nothing is written.
    TSaveForm& save = s.program->save();
    QTimer::singleShot(20, [&] {
        EXPECT_TRUE(save.isVisible());
        Type(save.Edit1, Qt::Key_Escape);
    });
    Type(&main, Qt::Key_2, "2");
    EXPECT_EQ(s.program->game().stavhry.lokace, 3);
    Type(&main, Qt::Key_2, "2");
    EXPECT_FALSE(save.isVisible());
    EXPECT_FALSE(std::filesystem::exists(s.folder.path() / "save"));
    EXPECT_EQ(s.program->game().stavhry.lokace, 4);
}

TEST(Keys, MainMenuStartsOnNewGameAndNameEntryGoesBackOnEsc) {
    Screens s("<1>\n<TEXT OBSAH=\"Začátek\">\n");
    s.folder.definice.zadavanijmena = 1;
    s.folder.writeDefinition();
    Program& program = s.create();
    TForm8& menu = program.menu();
    menu.show();
    EXPECT_EQ(menu.keys.reached(), menu.Buttons[0]);
    Type(&menu, Qt::Key_Down);
    EXPECT_EQ(menu.keys.reached(), menu.Buttons[1]);
    Type(&menu, Qt::Key_Up);
    Type(&menu, Qt::Key_Up);
    EXPECT_EQ(menu.keys.reached(), menu.Buttons[3]);  // round to the last one
    Type(&menu, Qt::Key_Tab);
    EXPECT_EQ(menu.keys.reached(), menu.Buttons[0]);

    Watchdog watchdog;
    bool nameShown = false;
    QTimer::singleShot(20, [&] {
        nameShown = program.name().isVisible();
        Type(program.name().Edit1, Qt::Key_Escape);
    });
    Type(&menu, Qt::Key_Return);
    EXPECT_TRUE(nameShown);
    EXPECT_FALSE(program.name().isVisible());
    EXPECT_FALSE(program.main().isVisible());
    EXPECT_EQ(s.host.quits, 0);
    Type(&menu, Qt::Key_Escape);
    EXPECT_EQ(s.host.quits, 1);
}

TEST(Keys, LoadDialogChoosesByArrowsShortensLongNamesAndSaysWhenEmpty) {
    Screens s("<1>\n<TEXT OBSAH=\"Začátek\">\n");
    Program& program = s.create();
    Game& game = program.game();
    TForm10& load = program.load();
    load.Prepare(game, &program.menu());
    EXPECT_TRUE(load.entries().empty());
    EXPECT_TRUE(load.Empty->isVisibleTo(&load));
    EXPECT_TRUE(load.Empty->text().startsWith(QString::fromUtf8("Žádná uložená pozice.")));

    s.start();
    SavePosition(game, std::string(60, 'x'));
    SavePosition(game, "kratka");
    load.Prepare(game, &program.menu());
    ASSERT_EQ(load.entries().size(), 2u);
    EXPECT_FALSE(load.Empty->isVisibleTo(&load));
    for (const TLELabel* entry : load.entries()) {
        EXPECT_GE(entry->x(), 0);
        EXPECT_LE(entry->x() + entry->width(), load.width());
    }
    const auto long_ = std::find_if(load.entries().begin(), load.entries().end(),
                                    [](const TLELabel* e) { return e->text().endsWith(u'…'); });
    ASSERT_NE(long_, load.entries().end());
    EXPECT_TRUE((*long_)->toolTip().startsWith(QString(60, 'x')));

    load.show();
    Type(&load, Qt::Key_Down);
    Type(&load, Qt::Key_Down);
    ASSERT_EQ(load.keys.reached(), load.entries()[1]);
    Type(&load, Qt::Key_Return);
    EXPECT_TRUE(game.ulozeni.nacistpozici);
    EXPECT_FALSE(load.isVisible());
}

TEST(Keys, LayoutSeenOnScreen) {
    Screens s(LongStory());
    TForm1& main = s.start();
    // The countdown's digits reach into the menu frame and stand over it.
    const QObjectList& stacked = main.TimerLabel->parentWidget()->children();
    EXPECT_GT(stacked.indexOf(main.TimerLabel), stacked.indexOf(main.Shape2));
    // A long menu item keeps inside the rounded frame.
    const TLELabel* river = main.menuLabels()[1];
    EXPECT_TRUE(river->text().endsWith(u'…'));
    EXPECT_LE(river->x() + river->width(), main.Shape2->x() + main.Shape2->width() - 2);
    // The sheet's right column of values once stood at 328, under the labels.
    TForm2& sheet = s.program->sheet();
    sheet.Prepare(s.program->game(), &main);
    EXPECT_EQ(sheet.Label2->x(), 344);
}

TEST(Stage, LargeScreensScaleTheDesignAndCentreItOnBlack) {
    EXPECT_DOUBLE_EQ(FitScale({1024, 768}), 1.0);
    EXPECT_DOUBLE_EQ(FitScale({800, 600}), 1.0);  // never smaller
    EXPECT_DOUBLE_EQ(FitScale({1920, 1080}), 1080.0 / 768);
    EXPECT_DOUBLE_EQ(FitScale({2048, 1600}), 2.0);  // the narrower side decides

    const Stage wide = GameStage({0, 0, 1365, 768}, false);
    EXPECT_EQ(wide.area.size(), kDesignSize);
    EXPECT_NEAR(wide.area.left(), (1365 - 1024) / 2, 1);
    EXPECT_TRUE(wide.backdrop);
    const Stage exact = GameStage({0, 0, 1024, 768}, false);
    EXPECT_EQ(exact.area, QRect(0, 0, 1024, 768));
    EXPECT_FALSE(exact.backdrop);
    const Stage small = GameStage({0, 0, 800, 600}, false);
    EXPECT_EQ(small.area, QRect(0, 0, 800, 600));
    EXPECT_FALSE(small.backdrop);
    const Stage window = GameStage({0, 0, 1920, 1080}, true);
    EXPECT_EQ(window.area.size(), kDesignSize);
    EXPECT_FALSE(window.backdrop);
    EXPECT_EQ(GameStage({0, 0, 800, 600}, true).area, QRect(0, 0, 800, 600));

    double f = 0;
    EXPECT_TRUE(ParseScale("1.5", f));
    EXPECT_DOUBLE_EQ(f, 1.5);
    for (const char* bad : {"", "0", "-1", "x", "1.5x", "100", "nan"})
        EXPECT_FALSE(ParseScale(bad, f)) << bad;
}

// Run at the toolkit's scale factors 1, 1.4 and 2: no device pixel of the
// see-through colour, nor one tinted by it, stays inside the main menu's shape.
TEST(SeeThrough, KeyColourNeverShowsInsideTheShape) {
    Screens s("<1>\n<TEXT OBSAH=\"Začátek\">\n");
    // A menu picture with fuchsia corners and a fuchsia hole.
    QImage picture(240, 400, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    for (int y = 20; y < 380; ++y)
        for (int x = 15; x < 225; ++x)
            if (!(x > 100 && x < 140 && y > 200 && y < 240)) picture.setPixel(x, y, 0xFF403020);
    picture.save(QString::fromStdString((s.folder.path() / "grafika" / "menu.png").string()));
    Program& program = s.create();
    TForm8& menu = program.menu();
    const QRegion shape = menu.mask();
    ASSERT_FALSE(shape.isEmpty());
    const QPixmap drawn = menu.grab();
    const double ratio = drawn.devicePixelRatio();
    const QImage device = drawn.toImage().convertToFormat(QImage::Format_RGB32);
    // The toolkit shows window pixel p on device pixels round(p * ratio) up
    // to round((p + 1) * ratio).
    const auto windowPixel = [ratio](int d) {
        const auto start = [ratio](int p) { return static_cast<int>(std::floor(p * ratio + 0.5)); };
        int p = static_cast<int>(d / ratio);
        while (start(p + 1) <= d) ++p;
        while (p > 0 && start(p) > d) --p;
        return p;
    };
    // Nor does a blend of it with the picture (a pink fringe from smooth scaling).
    const auto tinted = [](QRgb c) {
        return qRed(c) > qGreen(c) + 60 && qBlue(c) > qGreen(c) + 60;
    };
    int inside = 0;
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            if (tinted(device.pixel(x, y)) &&
                shape.contains(QPoint(windowPixel(x), windowPixel(y))))
                ++inside;
    EXPECT_EQ(inside, 0) << "at scale " << ratio;
    // The hole and the corners are cut out, the picture's body is not.
    EXPECT_FALSE(shape.contains(QPoint(2, 2)));
    EXPECT_FALSE(shape.contains(QPoint(120, 220)));
    EXPECT_TRUE(shape.contains(QPoint(60, 300)));
}
