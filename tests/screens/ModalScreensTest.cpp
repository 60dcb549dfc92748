#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/ScreenFixture.h"
#include "screens/TForm10.h"
#include "screens/TForm12.h"
#include "screens/TForm13.h"
#include "screens/TForm15.h"
#include "screens/TForm2.h"
#include "screens/TForm8.h"
#include "screens/TInventory.h"
#include "screens/TObchod.h"
#include "screens/TProdej.h"
#include "screens/TSaveForm.h"
#include "screens/TSouboj.h"
#include "shell/Audio.h"
#include "shell/labely/TLELabel.h"
#include "support/RecordingAudioBackend.h"

using namespace morvane;
using namespace morvane::test;

namespace {

// Location 2 fights a wolf that one blow fells; 3 offers saving; 4 is a
// shop, 5 buys items back at half their price, 7 shows a map. Saved files
// carry UTF-8 names.
constexpr const char* kStory = R"(<1>
<UTOK UMIME="1"><UTOK UMIME="2"><ZKUSENOSTI PLUS="12"><ZIVOTY JE="5"><PREDMET 1="2">
<TEXT OBSAH="Start"><MENU T="Boj" X="2"><M T="Uložit" X="3"><M T="Obchod" X="4"><M T="Drak" X="6"><M T="Mapa" X="7">
<2>
<SOUBOJ JMENO="Vlk" ZIVOTY="5" XP="7"><TEXT OBSAH="Po boji">
<3>
<SAVE NAZEV="u mostu"><TEXT OBSAH="Dál">
<4>
<OBCHOD CISLO="1"><MENU T="Prodej" X="5">
<5>
<PRODEJ TYP="PREDMETY" PROCENT="50"><MENU T="Dál" X="1">
<6>
<SOUBOJ JMENO="Drak" ZIVOTY="10000" UTOK="0k6+100"><TEXT OBSAH="Přežil jsi">
<7>
<OBRAZEK SOUBOR="mapa.png"><TEXT OBSAH="Po mapě">
)";

constexpr const char* kAttacks =
    "1,\"Drtivý\",\"Rána, která skolí.\",\"Drtí\",\"\",\"\",0,0,500,500\n"
    "2,\"Slabý\",\"\",\"\",\"\",\"\",0,0,1,1,[ZIVOTY 0 > \"100]\n";

// With MORVANE_SCREENSHOTS set to a folder, each screen is saved there as a
// picture, for looking at the layout.
void Snapshot(QWidget& screen, const char* name) {
    if (const char* folder = std::getenv("MORVANE_SCREENSHOTS"))
        screen.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

struct ModalScreens : ::testing::Test {
    Screens s{kStory};
    void SetUp() override {
        s.folder.file("data/utoky.vrn", kAttacks);
        s.folder.file("data/predmety.vrn", "1,\"Lektvar\",\"Hojí rány.\",5,vzdy,zivoty+10\n");
        s.folder.file("data/obchod.vrn", "1, predmet1\n");
        // Interface pictures of their usual sizes, light as the games draw them.
        const struct {
            const char* name;
            int w, h;
        } pictures[] = {{"pozadi_bitva", 409, 457}, {"pozadi_postava", 421, 245},
                        {"pozadi_inventar", 409, 457}, {"menu", 234, 320},
                        {"plusko3d", 15, 15},        {"krizek", 25, 26},
                        {"ulozit", 90, 30},          {"neukladat", 90, 30}};
        for (const auto& p : pictures)
            WritePicture(s.folder.path() / "grafika" / (std::string(p.name) + ".png"),
                         QColor(225, 215, 185), p.w, p.h);
    }
    TLELabel* menuLabel(const QString& caption) {
        for (TLELabel* label : s.program->main().menuLabels())
            if (label->text() == caption) return label;
        return nullptr;
    }
    // Follows a menu entry; `atScreen` runs while the modal screen it opens is
    // shown. A screen that does not open fails the test, and its `atScreen`
    // never runs later, into another test.
    void follow(const QString& caption, const std::function<void()>& atScreen) {
        TLELabel* label = menuLabel(caption);
        ASSERT_NE(label, nullptr);
        bool ran = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ran = true;
            atScreen();
        });
        timer.start(20);
        Enter(label);
        Click(label);
        EXPECT_TRUE(ran) << "no screen opened from " << caption.toStdString();
    }
};

TEST_F(ModalScreens, FightIsWonByClickingAnActionLabel) {
    s.start();
    Game& game = s.program->game();
    TSouboj& fight = s.program->fight();
    bool shown = false;
    follow("Boj", [&] {
        shown = fight.isVisible();
        Snapshot(fight, "fight");
        ASSERT_EQ(fight.actionLabels().size(), 2u);
        TLELabel* blow = fight.actionLabels()[0];
        EXPECT_EQ(blow->text(), "Drtivý");
        EXPECT_EQ(fight.actionLabels()[1]->palette().color(QPalette::WindowText),
                  QColor(128, 128, 128));  // its condition fails
        Enter(blow);
        EXPECT_EQ(fight.Popis_akce_cost->text(), QString::fromUtf8("Útok: 500\nPoškození: 500"));
        EXPECT_TRUE(fight.Label31->isVisibleTo(&fight));
        MoveOver(fight.Image1);
        EXPECT_TRUE(fight.Popis_akce_cost->text().isEmpty());
        EXPECT_FALSE(fight.Label31->isVisibleTo(&fight));
        MoveOver(blow);  // a move over the label shows its texts again, not only entering it
        EXPECT_TRUE(fight.Label31->isVisibleTo(&fight));
        EXPECT_FALSE(fight.Popis_akce_cost->text().isEmpty());
        MoveOver(fight.Label29);
        EXPECT_EQ(fight.Popis_akce->text(), QString::fromUtf8("Použít předmět"));
        // A potion from the item list, then the blow.
        Click(fight.Label29);
        ASSERT_EQ(fight.listLabels().size(), 1u);
        TLELabel* potion = fight.listLabels()[0];
        Enter(potion);
        Click(potion);
        EXPECT_EQ(game.predmety[1].mnozstvi, 1);
        EXPECT_TRUE(fight.isVisible());
        Enter(blow);
        Click(blow);
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(fight.isVisible());
    EXPECT_EQ(game.hrac.zkusenosti, 12 + 7);
    EXPECT_EQ(s.program->main().pageControls().back()->text(), "Po boji");
    EXPECT_TRUE(s.host.errors.empty());
}

// A death inside a screen closes it at once and ends the game once its modal
// loop is over: the location's run stops, the death picture shows and a
// click on it quits the program.
TEST_F(ModalScreens, DeathInAFightClosesTheScreenAndEndsTheProgram) {
    WritePicture(s.folder.path() / "grafika/smrtcool.jpg", Qt::red, 210, 180);
    s.start();
    TSouboj& fight = s.program->fight();
    TForm12& death = s.program->death();
    bool deathShown = false, closedAtOnce = false;
    follow("Drak", [&] {
        QTimer::singleShot(20, [&] {
            deathShown = death.isVisible() && !death.Image1->pixmap().isNull();
            Click(death.Image1);
        });
        TLELabel* blow = fight.actionLabels()[0];
        Enter(blow);
        Click(blow);
        closedAtOnce = !fight.isVisible();
        if (!closedAtOnce) fight.finish();
    });
    EXPECT_TRUE(deathShown);
    EXPECT_TRUE(closedAtOnce);
    EXPECT_EQ(s.host.quits, 1);
    for (QLabel* control : s.program->main().pageControls())
        EXPECT_NE(control->text(), QString::fromUtf8("Přežil jsi"));
}

TEST_F(ModalScreens, PictureWindowClosesAtAClickAndTheLocationGoesOn) {
    WritePicture(s.folder.path() / "obrazky/mapa.png", Qt::blue, 50, 40);
    s.start();
    TForm13& picture = s.program->picture();
    follow("Mapa", [&] {
        EXPECT_FALSE(picture.Image1->pixmap().isNull());
        Click(picture.Image1);
    });
    EXPECT_FALSE(picture.isVisible());
    EXPECT_EQ(s.program->main().pageControls().back()->text(), QString::fromUtf8("Po mapě"));
}

TEST_F(ModalScreens, TrainingBuysAPointAndHidesWhatIsNoLongerCovered) {
    TForm1& main = s.start();
    Game& game = s.program->game();
    TForm2& sheet = s.program->sheet();
    QTimer::singleShot(20, [&] {
        EXPECT_TRUE(sheet.isVisible());
        Snapshot(sheet, "sheet");
        ClickLabel* strength = sheet.Plus[static_cast<int>(PriceSlot::Sila)];
        ClickLabel* life = sheet.Plus[static_cast<int>(PriceSlot::Zivoty)];
        EXPECT_TRUE(strength->isVisibleTo(&sheet));
        MoveOver(strength);
        EXPECT_EQ(sheet.XPinfo->text(), QString::fromUtf8("Zvýšení síly 10 XP"));
        Click(strength);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.Label3->text(), "6");
        EXPECT_EQ(sheet.Label7->text(), "2");
        EXPECT_FALSE(strength->isVisibleTo(&sheet));
        EXPECT_FALSE(life->isVisibleTo(&sheet));  // 5 XP, only 2 left
        // Alt+F4 starts with Alt going down alone: neither closes the sheet.
        QTest::keyClick(&sheet, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(&sheet, Qt::Key_F4, Qt::AltModifier);
        EXPECT_TRUE(sheet.isVisible());
        QTest::keyClick(&sheet, Qt::Key_X);
        if (sheet.isVisible()) {
            ADD_FAILURE() << "a typed key left the sheet open";
            sheet.finish();
        }
    });
    main.PostavaClick();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(game.hrac.sila, 6);
    EXPECT_EQ(game.hrac.zkusenosti, 2);
}

TEST_F(ModalScreens, SavedPositionIsListedInTheLoadDialogAndChosenThere) {
    s.start();
    Game& game = s.program->game();
    TSaveForm& save = s.program->save();
    follow("Uložit", [&] {
        EXPECT_TRUE(save.isVisible());
        Snapshot(save, "save");
        EXPECT_EQ(save.Edit1->text(), "u mostu");
        save.Edit1->setText(QString::fromUtf8("Před řekou"));
        Click(save.Image2);
    });
    EXPECT_FALSE(save.isVisible());
    EXPECT_TRUE(std::filesystem::exists(s.folder.path() / "save" / "Před řekou.mkp"));
    EXPECT_TRUE(s.host.errors.empty());

    TForm10& load = s.program->load();
    load.Prepare(game, &s.program->menu());
    ASSERT_EQ(load.entries().size(), 1u);
    Snapshot(load, "load");
    EXPECT_TRUE(load.entries()[0]->text().startsWith(QString::fromUtf8("Před řekou [")));
    Click(load.entries()[0]);
    EXPECT_TRUE(game.ulozeni.nacistpozici);
}

TEST_F(ModalScreens, AudioDialogChangesTheMusicVolumeAtOnceAndStoresItOnOk) {
    s.create();
    s.program->main().setAudioOpener([] { return recordingBackend(); });
    TForm1& main = s.start();
    Game& game = s.program->game();
    ASSERT_NE(game.audio, nullptr);
    TForm15& audio = s.program->audio();
    QTimer::singleShot(20, [&] {
        EXPECT_TRUE(audio.isVisible());
        Snapshot(audio, "audio");
        EXPECT_EQ(audio.TrackBar2->value(), game.audio->hlasitosthudby);
        audio.TrackBar2->setValue(40);
        EXPECT_EQ(game.audio->hlasitosthudby, 40);
        audio.Button1->click();
    });
    main.Label5Click();
    EXPECT_FALSE(audio.isVisible());
    const std::string all = ReadFile(s.folder.path() / "setup.ini");
    EXPECT_TRUE(all.ends_with("\n40")) << all;
}

TEST_F(ModalScreens, ShopBuysSellScreenSellsAndInventoryUsesAnItem) {
    TForm1& main = s.start();
    Game& game = s.program->game();
    TObchod& shop = s.program->shop();
    follow("Obchod", [&] {
        ASSERT_EQ(shop.goods().size(), 1u);
        TLELabel* potion = shop.goods()[0];
        Enter(potion);
        EXPECT_TRUE(shop.Label3->text().startsWith("Lektvar")) << shop.Label3->text().toStdString();
        Click(potion);
        Snapshot(shop, "shop");
        EXPECT_EQ(shop.Label2->text(), QString::fromUtf8("Máme 10 zlaťáků"));
        EXPECT_EQ(shop.Label5->text(), "Koupil jsi Lektvar");
        Click(shop.Image2);
    });
    EXPECT_FALSE(shop.isVisible());
    EXPECT_EQ(game.predmety[1].mnozstvi, 3);

    TProdej& sell = s.program->sell();
    follow("Prodej", [&] {
        ASSERT_EQ(sell.lines().size(), 1u);
        EXPECT_EQ(sell.lines()[0]->text(), "Lektvar x3");
        EXPECT_LT(sell.Label2->geometry().bottom(), sell.lines()[0]->y());
        Enter(sell.lines()[0]);
        // Both lines of the hint, price and description, stand on the black strip.
        EXPECT_TRUE(sell.Status->text().contains(QString::fromUtf8("Hojí rány.")));
        EXPECT_TRUE(sell.Shape1->geometry().contains(sell.Status->geometry()));
        Snapshot(sell, "sell");
        Click(sell.lines()[0]);
        EXPECT_EQ(sell.lines()[0]->text(), "Lektvar x2");
        Click(sell.Image2);
    });
    EXPECT_EQ(game.hrac.penize, 12);

    TInventory& inventory = s.program->inventory();
    QTimer::singleShot(20, [&] {
        ASSERT_EQ(inventory.lines().size(), 1u);
        EXPECT_EQ(inventory.lines()[0]->text(), "Lektvar x 2");
        Click(inventory.lines()[0]);
        Snapshot(inventory, "inventory");
        ASSERT_EQ(inventory.lines().size(), 1u);
        EXPECT_EQ(inventory.lines()[0]->text(), "Lektvar");
        EXPECT_FALSE(inventory.Status2->text().isEmpty());
        QTest::keyClick(&inventory, Qt::Key_Shift);
        EXPECT_TRUE(inventory.isVisible());
        QTest::keyClick(&inventory, Qt::Key_Space);  // any key typed closes it
        if (inventory.isVisible()) {
            ADD_FAILURE() << "a typed key left the inventory open";
            inventory.finish();
        }
    });
    main.VybaveniClick();
    EXPECT_EQ(game.hrac.zivoty, 15);
    EXPECT_TRUE(s.host.errors.empty());
}

}  // namespace
