#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/GameFolders.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

using namespace morvane;
namespace fs = std::filesystem;

TEST(GameFolders, PlayerDataFolderFollowsXdgOnlyWhenItIsAnAbsolutePath) {
    test::ScopedEnvironment home("HOME", "/home/hrac");
    {
        test::ScopedEnvironment xdg("XDG_DATA_HOME", "/data/hrac");
        EXPECT_EQ(UserDataFolder(), fs::path("/data/hrac"));
    }
    {
        test::ScopedEnvironment xdg("XDG_DATA_HOME", "relativni");
        EXPECT_EQ(UserDataFolder(), fs::path("/home/hrac/.local/share"));
    }
    test::ScopedEnvironment xdg("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(UserDataFolder(), fs::path("/home/hrac/.local/share"));
}

TEST(GameFolders, InstalledGamesAreTheGameFoldersOfTheDataFolderAndTheDemoComesFirst) {
    test::TempFolder data;
    test::ScopedEnvironment xdg("XDG_DATA_HOME", data.path().string());
    const fs::path games = data.path() / "morvane" / "games";
    data.write("morvane/games/zvon/data/inicializace.vrn", "");
    data.write("morvane/games/demo/data/inicializace.vrn", "");
    data.write("morvane/games/obrazky/pozadi.png", "");  // no game
    data.write("morvane/games/soubor.txt", "");

    const std::vector<fs::path> found = InstalledGames();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], games / "demo");
    EXPECT_EQ(found[1], games / "zvon");
    EXPECT_EQ(DefaultGame(found), games / "demo");
    EXPECT_EQ(DefaultGame({games / "zvon"}), games / "zvon");
    EXPECT_EQ(DefaultGame({games / "zvon", games / "les"}), fs::path());
    EXPECT_EQ(DefaultGame({}), fs::path());

    // A game folder given is played from wherever the program runs.
    std::string problem;
    EXPECT_EQ(GameFolderToPlay("", problem), games / "demo");
    EXPECT_EQ(GameFolderToPlay((games / "zvon" / ".").string(), problem), games / "zvon");
    EXPECT_EQ(GameFolderToPlay((games / "chybi").string(), problem), fs::path());
    EXPECT_NE(problem.find("chybi"), std::string::npos);
}

TEST(GameFolders, OnlyAGameFolderThatCantBeWrittenSendsPlayerFilesToTheDataFolder) {
    test::TempFolder game, data;
    test::ScopedEnvironment xdg("XDG_DATA_HOME", data.path().string());
    game.write("data/inicializace.vrn", "");
    game.write("setup.ini", "hra");
    EXPECT_EQ(PlayerFolder(game.path()), game.path());
    EXPECT_EQ(PlayerFileToRead(game.path(), "setup.ini"), game.path() / "setup.ini");
    test::ReadOnlyFolder readOnly(game.path());
    if (!readOnly.ok()) GTEST_SKIP() << "the folder can't be made read-only here";
    const fs::path own = data.path() / "morvane" / game.path().filename();
    EXPECT_EQ(PlayerFolder(game.path()), own);
    EXPECT_EQ(PlayerFolder(game.path() / "."), own);
    // The game's own setup.ini serves until the player has one.
    EXPECT_EQ(PlayerFileToRead(game.path(), "setup.ini"), game.path() / "setup.ini");
    EXPECT_EQ(PlayerFileToWrite(game.path(), "save/a.mkp"), own / "save" / "a.mkp");
    EXPECT_TRUE(fs::is_directory(own / "save"));
    data.write(("morvane" / game.path().filename() / "setup.ini").string(), "hrac");
    EXPECT_EQ(PlayerFileToRead(game.path(), "setup.ini"), own / "setup.ini");
}

// A game may ship save/ as a link to a folder of the player's: positions are
// neither written nor read through it.
TEST(GameFolders, ASaveFolderLinkedOutOfTheGameIsNeverUsed) {
    test::TempFolder game, data, elsewhere;
    test::ScopedEnvironment xdg("XDG_DATA_HOME", data.path().string());
    game.write("data/inicializace.vrn", "");
    elsewhere.write("cizi.mkp", "x");
    fs::create_directory_symlink(elsewhere.path(), game.path() / "save");
    const fs::path own = data.path() / "morvane" / game.path().filename();
    EXPECT_EQ(PlayerFolder(game.path()), own);
    EXPECT_EQ(PlayerFileToWrite(game.path(), "save/a.mkp"), own / "save" / "a.mkp");
    EXPECT_EQ(PlayerFileToRead(game.path(), "save/cizi.mkp"), own / "save" / "cizi.mkp");
    EXPECT_FALSE(GameKeeps(game.path(), "save/cizi.mkp"));
    EXPECT_TRUE(GameKeeps(game.path(), "data/inicializace.vrn"));
}
