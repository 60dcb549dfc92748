#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>

#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "game/ContentLoader.h"
#include "support/TempFolder.h"
#include "support/TestGame.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

class ContentLoader : public ::testing::Test {
protected:
    ContentLoader() { game.pribeh.soubory.gameFolder = folder.path(); }

    // Writes data/NAME.vrn; the text is UTF-8 here and Windows-1250 on disk.
    void write(const std::string& name, const std::string& utf8) {
        folder.write("data/" + name + ".vrn", cz(utf8));
    }

    test::TempFolder folder;
    test::TestGame t;
    Game& game = t.game;
};

std::string scriptErrorOf(void (*load)(Game&), Game& game) {
    try {
        load(game);
    } catch (const ScriptError& e) {
        return toUtf8(e.what());
    }
    return "";
}

// The effects of a list as «name op amount», blank-separated.
std::string effects(const efekt* list, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += list[i].nazev.str() + list[i].operace + std::to_string(list[i].hodnota) + " ";
    return out;
}

// The conditions of a list as «key:left comparison right», blank-separated.
std::string conditions(const podminka* list, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += std::to_string(list[i].klic) + ":" + list[i].levy.str() + list[i].porovnani.str() +
               list[i].pravy.str() + " ";
    }
    return out;
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
    EXPECT_EQ(std::make_tuple(dyka.utok.strany, dyka.utok.pocet, dyka.utok.bonus, dyka.cena),
              std::make_tuple(4, 1, 0, 5));
    EXPECT_EQ(dyka.pocetefektu + dyka.pocetpodminek, 0);

    const TZbran& mec = game.zbrane[2];
    EXPECT_EQ(mec.cislo, 2);
    EXPECT_EQ(toUtf8(mec.popis.str()), "Ostrý meč.");
    // The sign before a skipped-to number is not read: damage 3, not -3.
    EXPECT_EQ(std::make_tuple(mec.utok.bonus, mec.poskozeni, mec.cena), std::make_tuple(-1, 3, 30));
    EXPECT_EQ(effects(mec.efekty, mec.pocetefektu), "sila+1 obratnost-2 ");
    EXPECT_EQ(conditions(mec.podminky, mec.pocetpodminek), "3:>5 ");
    EXPECT_EQ(mec.mnozstvi, 0);
}

TEST_F(ContentLoader, ArmoursAndItemsKeepFiveOfEachListAndNeutralUnusedSlots) {
    write("zbroje", "1,\"Kůže\",\"\",2,1,3,10,sila+1\n");
    write("predmety",
          "7,\"Lektvar\",\"Hojí.\",15, vzdy ,zivoty+1,zivoty+2,zivoty+3,zivoty+4,zivoty+5,"
          "zivoty+6,[1 > \"0],[2 > \"0],[3 > \"0],[4 > \"0],[5 > \"0],[6 > \"0]\n");
    LoadArmours(game);
    LoadItems(game);
    const TZbroj& kuze = game.zbroje[1];
    EXPECT_EQ(std::make_tuple(kuze.obrana, kuze.tvrdost, kuze.postih, kuze.cena),
              std::make_tuple(2, 1, 3, 10));
    EXPECT_EQ(effects(kuze.efekty, 5), "sila+1  0  0  0  0 ");  // empty name, blank operator
    EXPECT_EQ(conditions(kuze.podminky, 5), "0:0=0 0:0=0 0:0=0 0:0=0 0:0=0 ");

    const TPredmet& lektvar = game.predmety[1];
    EXPECT_EQ(lektvar.druh.str(), "vzdy");
    EXPECT_EQ(lektvar.cena, 15);
    EXPECT_EQ(effects(lektvar.efekty, lektvar.pocetefektu),
              "zivoty+1 zivoty+2 zivoty+3 zivoty+4 zivoty+5 ");
    EXPECT_EQ(conditions(lektvar.podminky, lektvar.pocetpodminek),
              "0:1>0 0:2>0 0:3>0 0:4>0 0:5>0 ");
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
    // The line gives the no-damage text before the miss text.
    EXPECT_EQ(toUtf8(sek.textzasahu.str() + "|" + sek.textbezposkozeni.str() + "|" +
                     sek.textminuti.str()),
              "Zásah|Bez škody|Vedle");
    EXPECT_EQ(std::make_tuple(sek.energie, sek.mana), std::make_tuple(4, 2));
    EXPECT_EQ(sek.vzorecutoku.str(), "#zbran + #sila");
    EXPECT_EQ(sek.vzorecposkozeni.str(), "#poskozeni");
    EXPECT_EQ(effects(sek.efektyminuti, sek.pocetminuti), "nzivoty-2 ");
    EXPECT_EQ(effects(sek.efektyzasah, sek.pocetzasah), "sila+1 mana+3 ");  // ":" beats "!"
    EXPECT_EQ(effects(sek.efektyvzdy, sek.pocetvzdy), "obratnost+1 ");
    EXPECT_EQ(conditions(sek.podminky, sek.pocetpodminek), "3:0>5 0:1>2 ");  // "[" beats both
}

TEST_F(ContentLoader, SpellsTakeVariablesOfTheMomentAndReloadingKeepsWhatIsKnown) {
    write("kouzla", "1,\"Oheň\",\"\",$3,nzivoty-5\n2,\"Led\",\"\",4\n");
    write("utoky", "1,\"Sek\",\"\",\"\",\"\",\"\",$3,0,1k6,1\n");
    game.stavhry.promenne[2] = 7;
    LoadContentTables(game);
    EXPECT_EQ(std::make_tuple(game.pocetkouzel, game.kouzla[1].cena), std::make_tuple(2, 7));
    game.kouzla[2].umime = 1;
    game.utoky[1].umime = 1;

    game.stavhry.promenne[2] = 9;
    ReloadSpellsAndAttacks(game);
    EXPECT_EQ(std::make_tuple(game.kouzla[1].cena, game.utoky[1].energie), std::make_tuple(9, 9));
    EXPECT_EQ((std::array{game.kouzla[1].umime, game.kouzla[2].umime, game.utoky[1].umime}),
              (std::array<std::uint8_t, 3>{0, 1, 1}));

    LoadContentTables(game);  // a new game forgets everything learned
    EXPECT_EQ(game.kouzla[2].umime + game.utoky[1].umime, 0);

    fs::remove(folder.path() / "data" / "kouzla.vrn");
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

}  // namespace
