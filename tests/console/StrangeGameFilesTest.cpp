// A game folder from a stranger may hold a named pipe where a file should be,
// whose opening waits for a writer that never comes, or a sparse file of any
// size. Every program goes on without such a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

void Pipe(const TempFolder& game, const std::string& relative) {
    const fs::path path = game.path() / relative;
    fs::create_directories(path.parent_path());
    fs::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << relative;
}

// morvane-check's exit status; -1 when it did not exit by itself.
int Check(const TempFolder& game) {
    const fs::path check = fs::path(MORVANE_TEXT_BINARY).parent_path() / "morvane-check";
    return Shell("'" + check.string() + "' '" + game.path().string() + "'");
}

}  // namespace

TEST(StrangeGameFiles, PipesAreNotWaitedForWhereverTheyStand) {
    GameFolder game("<1>\n<AUDIOSOUND SOUBOR=\"zvon.ogg\">\n<TEXT OBSAH=\"ticho\">\n"
                    "<M T=\"dál\" X=\"2\">\n<2>\n<KONEC>\n");
    for (const char* file : {"grafika/skin.ini", "grafika/menuskin.ini", "setup.ini",
                             "data/zbrane.vrn", "audio/zvon.ogg"})
        Pipe(game, file);
    const Played p = PlayText(game, {"menu 1"});
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.at(0, "/game/page/0/text"), "ticho");
    EXPECT_EQ(p.last("/screen"), "ended");
    const int checked = Check(game);  // warnings or errors, but an ending of its own
    EXPECT_TRUE(checked == 0 || checked == 1) << checked;

    Pipe(game, "data/data.vrn");
    EXPECT_EQ(Check(game), 1);  // the story can't be read
    Pipe(game, "data/inicializace.vrn");
    EXPECT_EQ(PlayText(game, {}).status, 1);
    EXPECT_EQ(Check(game), 1);
}

TEST(StrangeGameFiles, AFileTooLargeForAnyGameIsReportedAndNotRead) {
    GameFolder game("<1>\n<TEXT OBSAH=\"ticho\">\n<M T=\"znovu\" X=\"1\">\n");
    game.file("data/zbrane.vrn", "");
    fs::resize_file(game.path() / "data/zbrane.vrn", std::uintmax_t{1} << 36);  // 64 GB of nothing
    const Played p = PlayText(game, {});
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.at(0, "/messages/0"), "Soubor data/zbrane.vrn je větší než 64 MB, nebude načten !");
    EXPECT_EQ(p.at(0, "/game/page/0/text"), "ticho");
    EXPECT_EQ(Check(game), 1);  // with the same words, at the file
}
