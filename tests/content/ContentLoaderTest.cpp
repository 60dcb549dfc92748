#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "content/ContentLoader.h"
#include "parser/Scramble.h"
#include "support/TestGame.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

class ContentLoader : public ::testing::Test {
protected:
    ContentLoader() {
        std::string pattern = (fs::temp_directory_path() / "morvane-content-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        fs::create_directories(folder / "data");
        files().gameFolder = folder;
    }
    ~ContentLoader() override { fs::remove_all(folder); }

    GameFiles& files() { return game.pribeh.soubory; }

    // Writes data/NAME.vrn; the text is UTF-8 here and Windows-1250 on disk.
    void write(const std::string& name, const std::string& utf8) {
        std::ofstream(folder / "data" / (name + ".vrn"), std::ios::binary) << cz(utf8);
    }

    test::TestGame t;
    Game& game = t.game;
    fs::path folder;
};

std::string scriptErrorOf(void (*load)(Game&), Game& game) {
    try {
        load(game);
    } catch (const ScriptError& e) {
        return toUtf8(e.what());
    }
    return "";
}

TEST_F(ContentLoader, WeaponsAreNumberedByLineOrderAndFillTheirLayout) {
    write("zbrane",
          "Zbraně hry\r\n"
          "5,\"Dýka\",\"\",1k4,0,5\r\n"
          "2,\"Meč\",\"Ostrý meč.\",2k6-1,-3,30,sila+1,[ZIVOTY > \"5],obratnost-2\r\n");
    LoadWeapons(game);
    ASSERT_EQ(game.pocetzbrani, 2);
    const TZbran& dyka = game.zbrane[1];
    EXPECT_EQ(dyka.cislo, 5);
    EXPECT_EQ(toUtf8(dyka.nazev.str()), "Dýka");
    EXPECT_EQ(dyka.utok.strany, 4);
    EXPECT_EQ(dyka.utok.pocet, 1);
    EXPECT_EQ(dyka.utok.bonus, 0);
    EXPECT_EQ(dyka.cena, 5);
    EXPECT_EQ(dyka.pocetefektu, 0);
    EXPECT_EQ(dyka.pocetpodminek, 0);

    const TZbran& mec = game.zbrane[2];
    EXPECT_EQ(mec.cislo, 2);
    EXPECT_EQ(toUtf8(mec.popis.str()), "Ostrý meč.");
    EXPECT_EQ(mec.utok.bonus, -1);
    EXPECT_EQ(mec.poskozeni, 3);  // the sign before a skipped-to number is not read
    EXPECT_EQ(mec.cena, 30);
    ASSERT_EQ(mec.pocetefektu, 2);
    EXPECT_EQ(mec.efekty[0].nazev.str(), "sila");
    EXPECT_EQ(mec.efekty[1].operace, '-');
    ASSERT_EQ(mec.pocetpodminek, 1);
    EXPECT_EQ(mec.podminky[0].klic, 3);
    EXPECT_EQ(mec.podminky[0].pravy.str(), "5");
    EXPECT_EQ(mec.mnozstvi, 0);
}

TEST_F(ContentLoader, UnusedSlotsOfWeaponsArmoursAndItemsHoldNeutralEntries) {
    write("zbroje", "1,\"Kůže\",\"\",2,1,3,10,sila+1\n");
    LoadArmours(game);
    ASSERT_EQ(game.pocetzbroji, 1);
    const TZbroj& kuze = game.zbroje[1];
    EXPECT_EQ(kuze.obrana, 2);
    EXPECT_EQ(kuze.tvrdost, 1);
    EXPECT_EQ(kuze.postih, 3);
    EXPECT_EQ(kuze.cena, 10);
    for (int i = 1; i < 5; ++i) {
        EXPECT_TRUE(kuze.efekty[i].nazev.empty());
        EXPECT_EQ(kuze.efekty[i].operace, ' ');
        EXPECT_EQ(kuze.efekty[i].hodnota, 0);
    }
    for (const podminka& c : kuze.podminky) {
        EXPECT_EQ(c.levy.str() + c.porovnani.str() + c.pravy.str(), "0=0");
        EXPECT_EQ(c.klic + c.predmet + c.objekt + c.pravyjepromenna, 0);
    }
}

TEST_F(ContentLoader, ItemsKeepTheirKindTrimmedAndAtMostFiveOfEachList) {
    write("predmety",
          "7,\"Lektvar\",\"Hojí.\",15, vzdy ,zivoty+1,zivoty+2,zivoty+3,zivoty+4,zivoty+5,"
          "zivoty+6,[1 > \"0],[2 > \"0],[3 > \"0],[4 > \"0],[5 > \"0],[6 > \"0]\n");
    LoadItems(game);
    ASSERT_EQ(game.pocetpredmetu, 1);
    const TPredmet& lektvar = game.predmety[1];
    EXPECT_EQ(lektvar.druh.str(), "vzdy");
    EXPECT_EQ(lektvar.cena, 15);
    EXPECT_EQ(lektvar.pocetefektu, 5);
    EXPECT_EQ(lektvar.efekty[4].hodnota, 5);
    EXPECT_EQ(lektvar.pocetpodminek, 5);
    EXPECT_EQ(lektvar.podminky[4].levy.str(), "5");
}

TEST_F(ContentLoader, AttackTextsFormulasAndEffectsSortedByTheirMarks) {
    write("utoky",
          "Útoky\n"
          "x3,\"Sek\",\"Popis\",\"Zásah\",\"Bez škody\",\"Vedle\",4,2,#zbran + #sila,#poskozeni,"
          "!nzivoty-2,:sila+1,[ZIVOTY 0 > \"5],obratnost+1,!:mana+3,![:1 > \"2]\n");
    LoadAttacks(game);
    ASSERT_EQ(game.pocetutoku, 1);
    const TUtok& sek = game.utoky[1];
    EXPECT_EQ(sek.cislo, 3);
    EXPECT_EQ(toUtf8(sek.textzasahu.str()), "Zásah");
    EXPECT_EQ(toUtf8(sek.textbezposkozeni.str()), "Bez škody");
    EXPECT_EQ(sek.textminuti.str(), "Vedle");
    EXPECT_EQ(sek.energie, 4);
    EXPECT_EQ(sek.mana, 2);
    EXPECT_EQ(sek.vzorecutoku.str(), "#zbran + #sila");
    EXPECT_EQ(sek.vzorecposkozeni.str(), "#poskozeni");
    ASSERT_EQ(sek.pocetminuti, 1);
    EXPECT_EQ(sek.efektyminuti[0].nazev.str(), "nzivoty");
    EXPECT_EQ(sek.efektyminuti[0].hodnota, 2);
    ASSERT_EQ(sek.pocetzasah, 2);  // ":" decides over "!" when both stand
    EXPECT_EQ(sek.efektyzasah[0].nazev.str(), "sila");
    EXPECT_EQ(sek.efektyzasah[1].nazev.str(), "mana");
    ASSERT_EQ(sek.pocetvzdy, 1);
    EXPECT_EQ(sek.efektyvzdy[0].nazev.str(), "obratnost");
    ASSERT_EQ(sek.pocetpodminek, 2);  // "[" decides over both
    EXPECT_EQ(sek.podminky[0].klic, 3);
    EXPECT_EQ(sek.podminky[1].levy.str(), "1");
}

TEST_F(ContentLoader, SpellsTakeVariablesOfTheMomentAndReloadingKeepsWhatIsKnown) {
    write("kouzla", "1,\"Oheň\",\"\",$3,nzivoty-5\n2,\"Led\",\"\",4\n");
    write("utoky", "1,\"Sek\",\"\",\"\",\"\",\"\",$3,0,1k6,1\n");
    game.stavhry.promenne[2] = 7;
    LoadContentTables(game);
    ASSERT_EQ(game.pocetkouzel, 2);
    EXPECT_EQ(game.kouzla[1].cena, 7);
    EXPECT_EQ(game.kouzla[1].umime, 0);
    game.kouzla[2].umime = 1;
    game.utoky[1].umime = 1;

    game.stavhry.promenne[2] = 9;
    ReloadSpellsAndAttacks(game);
    EXPECT_EQ(game.pocetkouzel, 2);
    EXPECT_EQ(game.kouzla[1].cena, 9);
    EXPECT_EQ(game.utoky[1].energie, 9);
    EXPECT_EQ(game.kouzla[1].umime, 0);
    EXPECT_EQ(game.kouzla[2].umime, 1);
    EXPECT_EQ(game.utoky[1].umime, 1);

    LoadContentTables(game);  // a new game forgets everything learned
    EXPECT_EQ(game.kouzla[2].umime, 0);
    EXPECT_EQ(game.utoky[1].umime, 0);

    fs::remove(folder / "data" / "kouzla.vrn");
    ReloadSpellsAndAttacks(game);
    EXPECT_EQ(game.pocetkouzel, 0);
    EXPECT_EQ(game.pocetutoku, 1);
    EXPECT_TRUE(t.frontend.messages.empty());
}

TEST_F(ContentLoader, AMalformedLineIsReportedAndLeavesTheTableAsItWas) {
    write("zbrane", "1,\"Dýka\",\"\",1k4,0,5\n");
    LoadWeapons(game);
    write("zbrane", "2,\"Meč\",\"\",1k6,0,5\n3,\"Sekera,1k8,0,5\n");
    EXPECT_EQ(scriptErrorOf(&LoadWeapons, game),
              "Chybný řádek 2 souboru zbrane.vrn: chybí uvozovky");
    EXPECT_EQ(game.pocetzbrani, 1);
    EXPECT_EQ(toUtf8(game.zbrane[2].nazev.str()), "");

    write("predmety", "1,\"Klíč\",\"\",0,vzdy\n");
    EXPECT_EQ(scriptErrorOf(&LoadItems, game), "Chybný řádek 1 souboru predmety.vrn: chybí čárka");
    write("kouzla", "\n\n1,\"Oheň\",\"\",5,[ZIVOTY > \"3\n");
    EXPECT_EQ(scriptErrorOf(&LoadSpells, game), "Chybný řádek 3 souboru kouzla.vrn: chybí ]");
    write("utoky", "1,\"a\",\"b\",\"c\",\"d\",\"e\",x\n");
    EXPECT_EQ(scriptErrorOf(&LoadAttacks, game), "Chybný řádek 1 souboru utoky.vrn: chybí číslo");
    EXPECT_EQ(game.pocetpredmetu + game.pocetkouzel + game.pocetutoku, 0);

    // A number that is not a decimal integer is the conversion error itself.
    write("zbroje", "1,\"Kůže\",\"\",2 ,1,0,10\n");
    EXPECT_EQ(scriptErrorOf(&LoadArmours, game), "'2 ' is not a valid integer value");
    write("zbrane", " 1,\"Dýka\",\"\",1k4,0,5\n");
    EXPECT_EQ(scriptErrorOf(&LoadWeapons, game), "'' is not a valid integer value");
}

TEST_F(ContentLoader, LinesBeyondTheHundredthAreNotReadAndSaidOnce) {
    std::string text;
    for (int i = 1; i <= 103; ++i) text += std::to_string(i) + ",\"P\",\"\",1,boj,\n";
    write("predmety", text);
    game.pocetpredmetu = 98;
    LoadItems(game);
    EXPECT_EQ(game.pocetpredmetu, 100);
    EXPECT_EQ(game.predmety[100].cislo, 2);
    ASSERT_EQ(t.frontend.messages.size(), 1u);
    EXPECT_EQ(toUtf8(t.frontend.messages[0]),
              "Soubor predmety.vrn má víc než 100 položek; další se nenačetly.");
}

TEST_F(ContentLoader, AScrambledTableIsReadAndItsWorkingCopyRemovedEvenWhenMalformed) {
    files().nazevhry = "Hra";
    fs::create_directories(folder / "data" / "zasifrovane");
    auto scrambled = [&](const std::string& name, const std::string& utf8) {
        std::ofstream(folder / "data" / "zasifrovane" / (name + ".vrn"), std::ios::binary)
            << scrambleText(cz(utf8), "Hra");
    };
    scrambled("zbrane", "1,\"Dýka\",\"\",1k4,0,5\n");
    scrambled("zbroje", "1,\"Kůže\n");
    LoadWeapons(game);
    EXPECT_EQ(game.pocetzbrani, 1);
    EXPECT_EQ(scriptErrorOf(&LoadArmours, game),
              "Chybný řádek 1 souboru zbroje.vrn: chybí uvozovky");
    EXPECT_FALSE(fs::exists(folder / "data" / "temp"));
}

}  // namespace
