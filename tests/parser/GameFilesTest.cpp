#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>

#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/GameDefinition.h"
#include "parser/GameFiles.h"
#include "parser/Libraries.h"
#include "parser/Scramble.h"
#include "support/FakeFrontend.h"
#include "support/TempFolder.h"

using namespace morvane;

namespace {

struct GameFolder {
    explicit GameFolder(std::string name = "Hrad") {
        files.gameFolder = folder.path();
        files.nazevhry = std::move(name);
    }
    void scrambled(const std::string& relative, std::string_view plain, std::string_view pass) {
        folder.write("data/zasifrovane/" + relative, scrambleText(plain, pass));
    }
    test::TempFolder folder;
    test::FakeFrontend frontend;
    GameFiles files;
};

const std::string kStory = cz("<1>\r\n<TEXT OBSAH=\"Žluťoučký kůň\">\r\n<2>\n");

// A record as the file stores it: the name field holds `length` and the
// given characters each plus 10.
TGameInit storedRecord(std::string_view name, std::uint8_t length) {
    TGameInit r;
    std::memset(&r, 0, sizeof r);
    for (std::size_t i = 0; i < name.size() && i < sizeof r.nazevhry.chars; ++i)
        r.nazevhry.chars[i] = static_cast<char>(name[i] + 10);
    r.nazevhry.length = length;
    return r;
}

std::string bytesOf(const TGameInit& r) {
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

}  // namespace

TEST(GameFiles, PlainAndScrambledFilesReadTheSameAndLeaveNoCopies) {
    GameFolder plain;
    plain.folder.write("data/data.vrn", kStory);
    EXPECT_EQ(ReadGameFile(plain.files, plain.frontend, "data").text, kStory);
    EXPECT_FALSE(plain.folder.exists("data/temp"));

    GameFolder game;
    game.scrambled("data.vrn", kStory, "Hrad");
    const GameText read = ReadGameFile(game.files, game.frontend, "data");
    EXPECT_EQ(read.status, FileStatus::Ok);
    EXPECT_EQ(read.text, kStory);
    EXPECT_TRUE(game.frontend.messages.empty());
    EXPECT_FALSE(game.folder.exists("data/temp"));

    // A file the scrambled game lacks is simply missing, like a plain one.
    EXPECT_EQ(ReadGameFile(game.files, game.frontend, "kouzla").status, FileStatus::Unreadable);
    EXPECT_TRUE(game.frontend.messages.empty());
    EXPECT_FALSE(game.folder.exists("data/temp"));
}

TEST(GameFiles, HeaderMustCarryTheGameNameExactly) {
    for (const char* pass : {"Hrab", "hrad", "Hra"}) {
        GameFolder game;
        game.scrambled("zbrane.vrn", "a,b", pass);
        EXPECT_EQ(ReadGameFile(game.files, game.frontend, "zbrane").status, FileStatus::Damaged)
            << pass;
        EXPECT_EQ(game.frontend.messages,
                  std::vector<std::string>{cz("Chybné soubory - zbrane.vrn !")});
        EXPECT_FALSE(game.folder.exists("data/temp")) << pass;
    }
    // An empty game name means no header: every file passes, its first byte dropped.
    GameFolder unnamed("");
    unnamed.scrambled("zbrane.vrn", "a,b", "");
    EXPECT_EQ(ReadGameFile(unnamed.files, unnamed.frontend, "zbrane").text, "a,b");
    unnamed.scrambled("zbrane.vrn", "a,b", "X");  // its separator now reads as body
    EXPECT_EQ(ReadGameFile(unnamed.files, unnamed.frontend, "zbrane").text,
              std::string("\x18") + "a,b");
    EXPECT_TRUE(unnamed.frontend.messages.empty());
}

TEST(GameFiles, StoredEndOfFileByteEndsAScrambledFile) {
    GameFolder game;
    game.scrambled("data.vrn", std::string("ab\x12") + "cd", "Hrad");  // stored as 0x1A
    EXPECT_EQ(scrambleText("ab\x12", "Hrad").back(), '\x1A');
    EXPECT_EQ(ReadGameFile(game.files, game.frontend, "data").text, "ab");
}

TEST(GameFiles, DamagedScrambledLibraryIsNeverReadFromAnotherFile) {
    GameFolder game;
    game.scrambled("data.vrn", kStory, "Hrad");
    game.scrambled("knihovny/dobra.vrn", "x\r\ny", "Hrad");
    game.scrambled("knihovny/zla.vrn", "bad", "Jiny");
    StoryStore store;
    store.soubory = game.files;
    ASSERT_TRUE(ReadGameFile(store.soubory, game.frontend, "data"));  // opened just before

    EXPECT_EQ(store.seznamknihoven[LoadLibrary(store, game.frontend, "dobra")].obsah, "xy");
    EXPECT_EQ(store.seznamknihoven[LoadLibrary(store, game.frontend, "zla")].obsah,
              "Nenalezena knihovna zla !!!!");
    EXPECT_EQ(game.frontend.messages, std::vector<std::string>{cz("Chybné soubory v zla.vrn !")});
    EXPECT_FALSE(game.folder.exists("data/knihovny/temp"));
    EXPECT_FALSE(game.folder.exists("data/temp"));
}

TEST(GameFiles, NamesThatReachOutsideTheGameFoldersAreNotOpened) {
    GameFolder game;
    game.scrambled("data.vrn", kStory, "Hrad");
    game.scrambled("knihovny/x.vrn", "x", "Hrad");
    EXPECT_FALSE(ReadLibraryFile(game.files, game.frontend, "../data"));
    EXPECT_FALSE(ReadLibraryFile(game.files, game.frontend, ".."));
    EXPECT_FALSE(ReadGameFile(game.files, game.frontend, "knihovny/x"));
    EXPECT_TRUE(ReadLibraryFile(game.files, game.frontend, "x"));

    // A library that is a link to a file elsewhere is not read.
    test::TempFolder elsewhere;
    elsewhere.write("tajne.vrn", "tajne");
    GameFolder plain;
    plain.folder.write("data/data.vrn", kStory);
    std::filesystem::create_directories(plain.folder.path() / "data/knihovny");
    std::filesystem::create_symlink(elsewhere.path() / "tajne.vrn",
                                    plain.folder.path() / "data/knihovny/tajne.vrn");
    EXPECT_FALSE(ReadLibraryFile(plain.files, plain.frontend, "tajne"));
}

TEST(GameFiles, ScrambledGameWritesNothingEvenThroughLinksItShips) {
    // The game ships data/temp and data/knihovny/temp as links to a file and
    // a folder elsewhere: reading its scrambled files must touch neither.
    test::TempFolder elsewhere;
    elsewhere.write("zbrane.vrn", "puvodni");
    elsewhere.write("slozka/x.vrn", "puvodni");
    GameFolder game;
    game.scrambled("zbrane.vrn", "a,b", "Hrad");
    game.scrambled("knihovny/x.vrn", "x", "Hrad");
    std::filesystem::create_directories(game.folder.path() / "data/knihovny");
    std::filesystem::create_directory_symlink(elsewhere.path() / "slozka",
                                              game.folder.path() / "data/knihovny/temp");
    std::filesystem::create_directories(game.folder.path() / "data/temp");
    std::filesystem::create_symlink(elsewhere.path() / "zbrane.vrn",
                                    game.folder.path() / "data/temp/zbrane.vrn");

    EXPECT_EQ(ReadGameFile(game.files, game.frontend, "zbrane").text, "a,b");
    EXPECT_EQ(ReadLibraryFile(game.files, game.frontend, "x").text, "x");
    EXPECT_EQ(readTextFile(elsewhere.path() / "zbrane.vrn"), "puvodni");
    EXPECT_EQ(readTextFile(elsewhere.path() / "slozka/x.vrn"), "puvodni");
    EXPECT_TRUE(std::filesystem::is_symlink(game.folder.path() / "data/temp/zbrane.vrn"));
}

TEST(GameDefinition, LoadsTheFirstRecordAndDecodesItsName) {
    test::TempFolder game;
    TGameInit r = storedRecord(cz("HradX"), 5);  // the fifth stored character is dropped
    r.titulhry = cz("Hrad v mlze");
    r.mena = "";
    r.zadavanijmena = 2;
    r.penize = -5;
    r.vlastnosti[15] = 7;  // energy start value
    game.write("data/inicializace.vrn", bytesOf(r) + bytesOf(storedRecord("other", 6)));

    const GameDefinition def = GameDefinition::load(game.path());
    EXPECT_EQ(def.gameName(), "Hrad");
    EXPECT_EQ(def.title(), cz("Hrad v mlze"));
    EXPECT_EQ(def.currency(), "");
    EXPECT_FALSE(def.playerTypesHeroName());  // only the value 1 asks for the name
    EXPECT_EQ(def.startMoney(), -5);
    EXPECT_EQ(def.record().startValue(InitAttribute::Energie), 7);
}

TEST(GameDefinition, NameLengthsBelowTwoAreEmptyAndLongNamesAreCutTo30) {
    const std::string longName = "abcdefghijklmnopqrstuvwxyz01234";  // 31 characters
    const std::string cut = longName.substr(0, 30);
    // A foreign length byte past the field (255) still reads only the field.
    const std::tuple<std::string, std::uint8_t, std::string> cases[] = {
        {"abc", 0, ""}, {"abc", 1, ""}, {cz("Čert"), 3, cz("Če")}, {longName, 31, cut},
        {longName, 255, cut}};
    for (const auto& [name, length, expected] : cases)
        EXPECT_EQ(GameDefinition(storedRecord(name, length)).gameName(), expected) << +length;
}

TEST(GameDefinition, MissingOrShortFileIsAnErrorNamingTheFile) {
    test::TempFolder game;
    try {
        GameDefinition::load(game.path());
        FAIL() << "a missing file must not load";
    } catch (const GameFileError& e) {
        EXPECT_NE(std::string(e.what()).find("data/inicializace.vrn"), std::string::npos);
    }
    game.write("data/inicializace.vrn", bytesOf(storedRecord("ab", 3)).substr(0, 239));
    EXPECT_THROW(GameDefinition::load(game.path()), GameFileError);
}
