#include <gtest/gtest.h>

#include "base/Win1250.h"
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
    EXPECT_FALSE(OpenLibraryFile(game.files, game.frontend, "../data"));
    EXPECT_FALSE(OpenGameFile(game.files, game.frontend, "knihovny/x"));
    EXPECT_TRUE(game.folder.exists("data/zasifrovane/data.vrn"));
    EXPECT_FALSE(game.folder.exists("data/knihovny/data.vrn"));
    EXPECT_FALSE(game.folder.exists("data/temp"));
}
