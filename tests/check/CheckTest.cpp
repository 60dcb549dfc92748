// morvane-check on small games with one mistake each: every mistake is told
// at its file and line and makes the exit status 1.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "check/CheckOptions.h"
#include "check/CheckRun.h"
#include "check/CommandRules.h"
#include "parser/Scramble.h"
#include "support/GameFolder.h"

using namespace morvane;
using namespace morvane::check;
using morvane::test::GameFolder;
namespace fs = std::filesystem;

namespace {

struct Ran {
    int status = -1;
    std::string out;
};

Ran CheckFolder(const fs::path& folder, std::vector<std::string> args = {}) {
    args.push_back(folder.string());
    std::string error;
    const CheckOptions options = ParseCheckOptions(args, error);
    std::ostringstream out, err;
    const int status = RunCheck(options, out, err);
    return {status, out.str()};
}

const std::string kWeapons =
    "1,\"Ruce\",\"Bez zbraně.\",1k3,0,0\n2,\"Nůž\",\"Malý.\",1k6,1,12\n";

struct Mistake {
    const char* what;
    std::string story;
    std::vector<std::pair<std::string, std::string>> files;  // extra files (UTF-8, stored as 1250)
    std::string expected;  // "FILE:LINE: error: " + the start of the message
};

const std::string kEnd = "\n<KONEC>\n";

std::vector<Mistake> Mistakes() {
    return {
        {"misspelled tag", "<1>\n<TXET OBSAH=\"a\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: neznámý příkaz TXET (myšleno TEXT?)"},
        {"attribute the tag does not read", "<1>\n\n<TEXT OBSHA=\"a\">" + kEnd, {},
         "data/data.vrn:3: error: Lokace 1: TEXT: příkaz nečte atribut OBSHA (myšleno OBSAH?)"},
        {"menu target that does not exist", "<1>\n<MENU T=\"dál\" X=\"2\">\n<MENU T=\"jinam\" X=\"7\">\n<2>" + kEnd, {},
         "data/data.vrn:3: error: Lokace 1: menu vede do lokace 7, která neexistuje"},
        {"unterminated value", "<1>\n<TEXT OBSAH=\"a>\n<KONEC>", {},
         "data/data.vrn:2: error: Lokace 1: TEXT: atribut bez = nebo bez uzavírací uvozovky"},
        {"condition block never closed", "<1>\n[1 = \"0]\n<TEXT OBSAH=\"a\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: blok podmínky není uzavřen"},
        {"block closed without being opened", "<1>\n<TEXT OBSAH=\"a\">\n[/]" + kEnd, {},
         "data/data.vrn:3: error: Lokace 1: [/] uzavírá blok podmínky, který není otevřen"},
        {"condition with a typo", "<1>\n[ZIVOTI > \"3]<TEXT OBSAH=\"a\">[/]" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: podmínka [ZIVOTI > \"3]: neznámý klíč ZIVOTI (myšleno ZIVOTY?)"},
        {"missing picture", "<1>\n<OBRAZEKVTEXTU SOUBOR=\"mapa.png\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: OBRAZEKVTEXTU: obrázek ./obrazky/mapa.png neexistuje"},
        {"picture named outside the game", "<1>\n<OBRAZEK SOUBOR=\"..\\..\\heslo.png\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: OBRAZEK: Soubor \"./obrazky/..\\..\\heslo.png\" leží mimo složku hry"},
        {"weapon beyond its table", "<1>\n<ZBRAN 3=\"1\">" + kEnd, {{"data/zbrane.vrn", kWeapons}},
         "data/data.vrn:2: error: Lokace 1: ZBRAN: zbraň číslo 3 není v tabulce zbrane.vrn (2 položek)"},
        {"item of a table that has no file", "<1>\n<PREDMET 1=\"1\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: PREDMET: předmět číslo 1: tabulka predmety.vrn je prázdná"},
        {"malformed table line", "<1>" + kEnd, {{"data/zbrane.vrn", "1,\"Ruce\",\"x\",1k3,0,0\n2,\"Nůž\n"}},
         "data/zbrane.vrn:2: error: Chybný řádek 2 souboru zbrane.vrn: chybí uvozovky"},
        {"more effects in a table line than an entry keeps", "<1>" + kEnd,
         {{"data/predmety.vrn", "1,\"Lektvar\",\"x\",5,vzdy,zivoty+1,mana+1,sila+1,"
                                "obratnost+1,rychlost+1,energie+1,[ZIVOTY 0 > \"0]\n"}},
         "data/predmety.vrn:1: error: víc než 5 účinků, 1 dalších se nepoužije"},
        {"shop good beyond the tables", "<1>\n<OBCHOD CISLO=\"1\">" + kEnd,
         {{"data/zbrane.vrn", kWeapons}, {"data/obchod.vrn", "1, zbran2, zbran5\n"}},
         "data/obchod.vrn:1: error: Obchod 1: zboží 'zbran5' není v tabulkách hry"},
        {"location with no way on", "<1>\n<MENU T=\"dál\" X=\"2\">\n<2>\n<TEXT OBSAH=\"konec?\">\n", {},
         "data/data.vrn:3: error: Lokace 2: slepá ulička"},
        {"locations out of order", "<1>\n<MENU T=\"a\" X=\"2\">\n<3>" + kEnd + "<2>" + kEnd, {},
         "data/data.vrn:5: error: Chybné pořadí lokací! Lokace 3 stojí před lokací 2"},
        {"gap in the numbering", "<1>\n<MENU T=\"a\" X=\"3\">\n<3>" + kEnd, {},
         "data/data.vrn:1: error: Lokace 1: chybí lokace 2"},
        {"missing library", "<1>\n#knihovna_nic;" + kEnd, {},
         "data/data.vrn:2: error: Nenalezena knihovna nic !!!!"},
        {"library directive with a blank in it", "<1>\n<KONEC>\n#knihovna_ nic;\n", {},
         "data/data.vrn:3: error: Chybně zapsaná knihovna: #knihovna_ nic;"},
        {"mistake inside a library", "<1>\n#knihovna_menu;\n<2>" + kEnd,
         {{"data/knihovny/menu.vrn", "<TEXT OBSAH=\"z knihovny\">\n<MENU T=\"dál\" X=\"9\">\n"}},
         "data/knihovny/menu.vrn:2: error: Lokace 1: menu vede do lokace 9, která neexistuje"},
        {"lines counted past constants that change the text's length",
         "<1>\n<TEXT OBSAH=\"DLOUHA DLOUHA\">\n<MENU T=\"x\" X=\"CIL\">" + kEnd,
         {{"data/konstanty.vrn", "DLOUHA velmi dlouhý text\nCIL 4\n"}},
         "data/data.vrn:3: error: Lokace 1: menu vede do lokace 4, která neexistuje"},
        {"not a number", "<1>\n<MENU T=\"x\" X=\"dva\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: MENU: 'dva' is not a valid integer value"},
        {"condition without a comparison", "<1>\n[5 \"3]<TEXT OBSAH=\"a\">[/]" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: podmínka [5 \"3]: chybí porovnání"},
        {"comparison that does not exist", "<1>\n[5 >>= \"3]<TEXT OBSAH=\"a\">[/]" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: podmínka [5 >>= \"3]: porovnání >>= neexistuje"},
        {"condition bracket never closed", "<1>\n<KONEC>\n[5 > \"3\n", {},
         "data/data.vrn:3: error: Lokace 1: podmínka není uzavřena znakem ]"},
        {"weapon of a condition beyond its table", "<1>\n[ZBRANI 7 > \"0]<TEXT OBSAH=\"a\">[/]" + kEnd,
         {{"data/zbrane.vrn", kWeapons}},
         "data/data.vrn:2: error: Lokace 1: podmínka [ZBRANI 7 > \"0]: číslo 7 není v tabulce zbrane.vrn"},
        {"variable that does not exist", "<1>\n<PROMENNA 1000=\"1\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: PROMENNA: proměnná číslo 1000 neexistuje (platí 1 až 999)"},
        {"formula the engine can't work out", "<1>\n<VZOREC 5=\"1/0\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: VZOREC: Division by zero"},
        {"more than 10 attributes",
         "<1>\n<PROMENNA 1=\"1\" 2=\"1\" 3=\"1\" 4=\"1\" 5=\"1\" 6=\"1\" 7=\"1\" 8=\"1\" 9=\"1\" "
         "10=\"1\" 11=\"1\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: PROMENNA: víc než 10 atributů, 1 dalších se nepřečte"},
        {"more than 400 commands", "<1>\n<KONEC>\n" + [] {
             std::string tags;
             for (int i = 0; i < 400; ++i) tags += "<SMAZATINFO>";
             return tags;
         }(), {},
         "data/data.vrn:3: error: Lokace 1: víc než 400 příkazů"},
        {"blocks nested deeper than 15",
         "<1>\n<KONEC>\n" + [] {
             std::string text;
             for (int i = 0; i < 16; ++i) text += "[1 = \"0]";
             text += "\n<TEXT OBSAH=\"hluboko\">";
             for (int i = 0; i < 16; ++i) text += "[/]";
             return text;
         }(), {},
         "data/data.vrn:3: error: Lokace 1: podmínky vnořené hlouběji než 15"},
        {"location written twice", "<1>\n<M T=\"a\" X=\"2\">\n<2>" + kEnd + "<2>" + kEnd, {},
         "data/data.vrn:5: error: Lokace 2 je v příběhu podruhé (platí ta na řádku 3)"},
        {"shop that the shop file lacks", "<1>\n<OBCHOD CISLO=\"3\">" + kEnd,
         {{"data/zbrane.vrn", kWeapons}, {"data/obchod.vrn", "1, zbran1\n"}},
         "data/data.vrn:2: error: Lokace 1: OBCHOD: obchod číslo 3 není v souboru data/obchod.vrn"},
        {"missing sound", "<1>\n<AUDIOSOUND SOUBOR=\"zvon.wav\">" + kEnd, {},
         "data/data.vrn:2: error: Lokace 1: AUDIOSOUND: zvukový soubor audio/zvon.wav neexistuje"},
        {"broken link inside a redirect's library",
         "<1>\n<PRESMERUJ JMENO=\"sen\">\n<M T=\"spát\" X=\"101\">" + kEnd,
         {{"data/knihovny/sen.vrn", "<101>\n<TEXT OBSAH=\"sen\">\n<M T=\"dál\" X=\"105\">\n"}},
         "data/knihovny/sen.vrn:3: error: Lokace 101: menu vede do lokace 105, která neexistuje v knihovně sen"},
        {"broken link of the prefix", "<1>\n<PREFIX JMENO=\"hlava\" PROVADET=\"ANO\">" + kEnd,
         {{"data/knihovny/hlava.vrn", "<TEXT OBSAH=\"nahoře\">\n<M T=\"mapa\" X=\"77\">\n"}},
         "data/knihovny/hlava.vrn:2: error: menu vede do lokace 77, která neexistuje"},
        {"mistake in a library that another library includes",
         "<1>\n#knihovna_vnejsi;" + kEnd,
         {{"data/knihovny/vnejsi.vrn", "<TEXT OBSAH=\"venku\">\n#knihovna_vnitrni;\n<TXET>\n"},
          {"data/knihovny/vnitrni.vrn", "<TEXT OBSAH=\"uvnitř\">\n<MENU X=\"8\">\n"}},
         "data/knihovny/vnitrni.vrn:2: error: Lokace 1: menu vede do lokace 8"},
        {"mistake after a library that another library includes",
         "<1>\n#knihovna_vnejsi;" + kEnd,
         {{"data/knihovny/vnejsi.vrn", "<TEXT OBSAH=\"venku\">\n#knihovna_vnitrni;\n<TXET>\n"},
          {"data/knihovny/vnitrni.vrn", "<TEXT OBSAH=\"uvnitř\">\n"}},
         "data/knihovny/vnejsi.vrn:3: error: Lokace 1: neznámý příkaz TXET"},
    };
}

TEST(Check, EachMistakeIsToldAtItsFileAndLine) {
    for (const Mistake& m : Mistakes()) {
        SCOPED_TRACE(m.what);
        GameFolder game(m.story);
        for (const auto& [file, text] : m.files) game.file(file, text);
        const Ran ran = CheckFolder(game.path());
        EXPECT_EQ(ran.status, 1);
        EXPECT_NE(ran.out.find(m.expected), std::string::npos) << ran.out;
    }
}

TEST(Check, StoryWrittenInUtf8IsAnError) {
    GameFolder game("");
    game.write("data/data.vrn", "<1>\n<TEXT OBSAH=\"Žluťoučký kůň\">\n<KONEC>\n");
    const Ran ran = CheckFolder(game.path());
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.out.find("data/data.vrn:2: error: soubor je uložen v UTF-8"), std::string::npos) << ran.out;
}

// Things the engine cuts or skips without a word, which the game survives.
TEST(Check, WarningsLeaveTheExitStatusAtZero) {
    std::string menu;
    for (int i = 0; i < 21; ++i) menu += "[1 = \"" + std::to_string(i) + "]<M T=\"a\" X=\"2\">[/]";
    GameFolder game("<1>\n<007>\n<PRODEJ TYP=\"ZBRANEE\">\n<M T=\"" + std::string(120, 'x') +
                    "\" X=\"2\">\n<TEXT2 OBSAH=\"a\">\n< TEXT OBSAH=\"b\">\n" + menu +
                    "\n<2>\n<KONEC>\n");
    // A scrambled copy makes the game a scrambled one: it is what play reads.
    fs::create_directories(game.path() / "data/zasifrovane");
    ASSERT_TRUE(scrambleFile(game.path() / "data/data.vrn", game.path() / "data/zasifrovane/data.vrn",
                             "testovka"));
    fs::last_write_time(game.path() / "data/zasifrovane/data.vrn",
                        fs::last_write_time(game.path() / "data/data.vrn") - std::chrono::hours(1));
    const Ran ran = CheckFolder(game.path());
    EXPECT_EQ(ran.status, 0) << ran.out;
    for (const char* expected : {
             "data/data.vrn:2: warning: Značka <007> nepatří žádné lokaci",
             "data/data.vrn:3: warning: Lokace 1: PRODEJ: typ ZBRANEE neexistuje",
             "data/data.vrn:4: warning: Lokace 1: M: text atributu T je delší než 100 znaků",
             "data/data.vrn:5: warning: Lokace 1: TEXT: za jménem příkazu stojí '2'",
             "data/data.vrn:6: warning: Lokace 1: značka bez jména příkazu",
             "data/data.vrn:1: warning: Lokace 1: 22 položek menu; zobrazí se nejvýš 20",
             "data/zasifrovane/data.vrn: warning: zašifrovaná kopie je starší než data/data.vrn",
         })
        EXPECT_NE(ran.out.find(expected), std::string::npos) << expected << "\n" << ran.out;
}

TEST(Check, CleanGameUnreachableLocationAndJson) {
    GameFolder game("<1>\n<MENU T=\"dál\" X=\"2\">\n<2>\n<KONEC>\n<3>\n<ZPET>\n");
    const Ran ran = CheckFolder(game.path());
    EXPECT_EQ(ran.status, 0) << ran.out;
    EXPECT_NE(ran.out.find("data/data.vrn:5: warning: Lokace 3: nevede sem žádná cesta z lokace 1"),
              std::string::npos);
    const Ran json = CheckFolder(game.path(), {"--json"});
    EXPECT_NE(json.out.find(R"({"file":"data/data.vrn","line":5,"severity":"warning","message":"Lokace 3:)"),
              std::string::npos)
        << json.out;
}

// Play finds a picture whatever the letter case of its name; so must the check.
TEST(Check, PictureNamedInAnotherLetterCaseIsFound) {
    GameFolder game("<1>\n<OBRAZEKVTEXTU SOUBOR=\"mapa.png\">\n<KONEC>\n");
    game.file("obrazky/Mapa.PNG", "");
    const Ran ran = CheckFolder(game.path());
    EXPECT_EQ(ran.status, 0) << ran.out;
}

TEST(Check, MissingDefinitionAndFolderThatIsNoGame) {
    GameFolder game("<1>\n<KONEC>\n");
    fs::remove(game.path() / "data" / "inicializace.vrn");
    const Ran ran = CheckFolder(game.path());
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.out.find("data/inicializace.vrn: error: "), std::string::npos) << ran.out;
    EXPECT_EQ(CheckFolder(game.path() / "data").status, 2);
    std::string error;
    ParseCheckOptions({"--random", "x", "hra"}, error);
    EXPECT_FALSE(error.empty());
}

}  // namespace

namespace {

TEST(Check, TheDemoPasses) {
    const fs::path demo = fs::path(__FILE__).parent_path().parent_path().parent_path() / "games" / "demo";
    const Ran ran = CheckFolder(demo);
    EXPECT_EQ(ran.status, 0) << ran.out;
}

}  // namespace
