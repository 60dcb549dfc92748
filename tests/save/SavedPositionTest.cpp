#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/NewGame.h"
#include "save/LoadPosition.h"
#include "save/SavePosition.h"
#include "save/SaveScreen.h"
#include "save/SavedPositionList.h"
#include "save/SavedPositionRecord.h"
#include "shell/AudioCommands.h"
#include "support/RecordingAudioBackend.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScopedEnvironment.h"
#include "support/StoryGame.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

// Location 2 switches prefix, suffix and music on, redirects the story and
// offers saving; the redirected story has its own location 2.
constexpr const char* kStory =
    "<1><TEXT OBSAH=\"Start\">"
    "<2><PREFIX VYBRAT=\"pre\" PROVADET=\"ANO\"><SUFFIX VYBRAT=\"suf\" PROVADET=\"ANO\">"
    "<AUDIOTRACK SOUBOR=\"les.mod\"><PROMENNA 5=\"7\"><PRESMERUJ JMENO=\"jinde\">"
    "<SAVE NAZEV=\"prvni\">"
    "<3><SAVE ODKAZ=\"12\"><SAVE ODKAZ=\"x\">";

template <class Record>
std::string bytesOf(const Record& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// Compared as a truth value: a failure would print a megabyte of bytes.
template <class Record>
bool holds(const Record& record, const std::string& bytes) {
    return bytesOf(record) == bytes;
}

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

struct SaveGame : test::StoryGame {
    std::shared_ptr<std::vector<std::string>> calls = std::make_shared<std::vector<std::string>>();

    SaveGame() : StoryGame(kStory) {
        folder.write("data/knihovny/pre.vrn", "<TEXT OBSAH=\"P\">");
        folder.write("data/knihovny/suf.vrn", "<TEXT OBSAH=\"S\">");
        folder.write("data/knihovny/jinde.vrn", "<2><TEXT OBSAH=\"Jinde\">");
        folder.write("data/zbrane.vrn", "1,\"Dyka\",\"\",1k4,0,5\n2,\"Mec\",\"\",2k6,0,30\n");
        folder.write("data/zbroje.vrn", "1,\"Kuze\",\"\",2,1,3,10\n");
        folder.write("data/predmety.vrn", "7,\"Lektvar\",\"\",15,vzdy,zivoty+1\n");
        folder.write("data/kouzla.vrn", "1,\"Ohen\",\"\",5,nzivoty-5\n");
        folder.write("data/utoky.vrn", "1,\"Sek\",\"\",\"\",\"\",\"\",3,0,1k6,1\n");
        game.definice.vlastnosti[0] = 12;
        game.definice.titulhry.assign("Titul");
        game.definice.nazevhry.assign("hra");
        StartAudio(game, [this] { return std::make_unique<test::RecordingAudioBackend>(calls); });
        // The save screen is confirmed with the name it offers.
        frontend.save.byDefault([this] { SaveScreenClick(game, DescribeSaveScreen(game).edit1); });
        StartNewGame(game);
    }

    fs::path file(const std::string& name) const { return folder.path() / "save" / name; }
};

}  // namespace

TEST(SavedPosition, RoundTripRestoresTheWholeGameAndResumesWhereItWasSaved) {
    SaveGame g;
    Game& game = g.game;
    ASSERT_EQ(game.pocetzbrani, 2);
    ASSERT_EQ(game.pocetutoku, 1);
    game.zbrane[2].mnozstvi = 3;
    game.predmety[1].mnozstvi = 4;
    game.kouzla[1].umime = 1;
    game.utoky[1].umime = 1;
    game.pocetobjektu = 1;
    game.objekty[1].jmeno.assign("Klic");
    game.objekty[1].mnozstvi = 2;
    game.hrac.zbran = game.zbrane[2];
    game.hrac.penize = 99;
    g.go(2);
    ASSERT_EQ(g.frontend.saveScreens, 1);
    ASSERT_TRUE(g.frontend.errors.empty());
    const std::string hero = bytesOf(game.hrac);

    // A new game forgets it all, and its music stops.
    StartNewGame(game);
    game.audio->FreeMusic();
    g.calls->clear();
    EXPECT_EQ(game.zbrane[2].mnozstvi, 0);

    const auto record = ReadPosition(game, "save/prvni.mkp");
    ASSERT_TRUE(record);
    ASSERT_EQ(StartLoadedGame(game, *record), LoadResult::Loaded);
    EXPECT_EQ(game.zbrane[2].mnozstvi, 3);
    EXPECT_EQ(game.predmety[1].mnozstvi, 4);
    EXPECT_EQ(game.kouzla[1].umime, 1);
    EXPECT_EQ(game.utoky[1].umime, 1);
    EXPECT_EQ(game.pocetobjektu, 1);
    EXPECT_EQ(game.objekty[1].jmeno.view(), "Klic");
    EXPECT_TRUE(holds(game.hrac, hero));  // money, equipped weapon and all
    EXPECT_EQ(game.stavhry.promenne[4], 7);
    EXPECT_EQ(game.stavhry.knihovna.view(), "jinde");
    EXPECT_EQ(game.audio->druh, kMusicTrack);
    EXPECT_EQ(game.audio->jmenohudby.view(), "les.mod");
    EXPECT_EQ(g.calls->front(), "loadModule " + (g.folder.path() / "audio" / "les.mod").string());

    // The game waits on "Pokračovat" with the side buttons hidden...
    EXPECT_TRUE(game.okno.pokracovatVisible);
    EXPECT_FALSE(game.okno.postavaVisible || game.okno.vybaveniVisible);
    EXPECT_EQ(game.cilovalokace, 2);
    EXPECT_TRUE(game.hlavni.prvky.empty());

    // ...and resumes in the redirected story, with prefix and suffix around it.
    Button1Click(game);
    ASSERT_EQ(game.hlavni.prvky.size(), 3u);
    EXPECT_EQ(game.hlavni.prvky[0].text.text, "P");
    EXPECT_EQ(game.hlavni.prvky[1].text.text, "Jinde");
    EXPECT_EQ(game.hlavni.prvky[2].text.text, "S");
    EXPECT_FALSE(game.okno.pokracovatVisible);
    EXPECT_TRUE(game.okno.postavaVisible);
    EXPECT_TRUE(g.frontend.errors.empty());
    EXPECT_TRUE(g.frontend.messages.empty());
}

TEST(SavedPosition, FileHoldsTheRecordWithTheResumeLocationAndVariablesInPlace) {
    SaveGame g;
    g.game.stavhry.promenne[4] = -5;  // variable 5
    g.frontend.save = [&g] { SaveScreenClick(g.game, "treti"); };
    g.go(3);
    // The second SAVE's bad number ends the location before its screen opens.
    EXPECT_EQ(g.frontend.saveScreens, 1);
    EXPECT_EQ(g.frontend.errors, std::vector<std::string>{"'x' is not a valid integer value"});

    const std::string bytes = test::ReadFile(g.file("treti.mkp"));
    ASSERT_EQ(bytes.size(), sizeof(ulozenapozice));
    EXPECT_EQ(int32At(bytes, 5108), 12);  // lokace: the ODKAZ, not where the game is
    EXPECT_EQ(g.game.stavhry.lokace, 3);
    EXPECT_EQ(g.game.ulozeni.cilulozeni, 0);
    EXPECT_EQ(int32At(bytes, 4 * 4), -5);
    EXPECT_EQ(int32At(bytes, 16024), 2);  // the weapon count
    EXPECT_EQ(bytes.substr(7896, 6), std::string("\x05Titul"));
    EXPECT_EQ(bytes.substr(7997, 4), std::string("\x03hra"));
    // Only the used slots are written; the rest stays zero.
    EXPECT_EQ(bytes.substr(195248 + 1796, 4), std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(195248 + 2 * 1796, 1796), std::string(1796, '\0'));
}

TEST(SavedPosition, UnreadableOrForeignFilesAreRefusedBeforeAnythingChanges) {
    SaveGame g;
    Game& game = g.game;
    g.go(2);
    const std::string good = test::ReadFile(g.file("prvni.mkp"));
    game.stavhry.promenne[0] = 41;
    const std::string state = bytesOf(game.stavhry), hero = bytesOf(game.hrac);

    g.folder.write("save/kratky.mkp", good.substr(0, good.size() - 1));
    g.folder.write("save/dlouhy.mkp", good + "x");
    std::string damaged = good;
    damaged[16024] = 101;  // more weapons than a table holds
    g.folder.write("save/poskozeny.mkp", damaged);
    for (const char* name :
         {"save/kratky.mkp", "save/dlouhy.mkp", "save/poskozeny.mkp", "save/chybi.mkp"}) {
        EXPECT_EQ(LoadPosition(game, name), LoadResult::Unreadable) << name;
    }
    EXPECT_EQ(g.frontend.errors.size(), 4u);

    std::string foreign = good;
    foreign[7998] = 'H';  // another game's name
    g.folder.write("save/cizi.mkp", foreign);
    EXPECT_EQ(LoadPosition(game, "save/cizi.mkp"), LoadResult::OtherGame);
    ASSERT_EQ(g.frontend.messages.size(), 1u);
    EXPECT_EQ(g.frontend.messages[0],
              cz("Uložená pozice nepatří k této hře! Program bude ukončen"));
    EXPECT_TRUE(holds(game.stavhry, state));
    EXPECT_TRUE(holds(game.hrac, hero));
    EXPECT_FALSE(game.okno.pokracovatVisible);
    EXPECT_FALSE(game.okno.quitRequested);

    // At a game's start a foreign position ends the program.
    EXPECT_EQ(StartLoadedGame(game, *ReadPosition(game, "save/cizi.mkp")), LoadResult::OtherGame);
    EXPECT_TRUE(game.okno.quitRequested);
    // Tables of a hundred entries each are full, not damaged.
    std::string full = good;
    for (std::size_t count :
         {offsetof(ulozenapozice, pocetzbrani), offsetof(ulozenapozice, pocetzbroji),
          offsetof(ulozenapozice, pocetpredmetu), offsetof(ulozenapozice, pocetobjektu),
          offsetof(ulozenapozice, pocetkouzel), offsetof(ulozenapozice, pocetutoku)}) {
        const std::int32_t hundred = kTableEntries;
        std::memcpy(full.data() + count, &hundred, sizeof hundred);
    }
    g.folder.write("save/plny.mkp", full);
    EXPECT_EQ(LoadPosition(game, *ReadPosition(game, "save/plny.mkp")), LoadResult::Loaded);
    EXPECT_EQ(game.pocetobjektu, kTableEntries);
}

TEST(SavedPosition, BadNamesAndFailedWritesLeaveTheScreenOpenAndOlderFilesIntact) {
    SaveGame g;
    Game& game = g.game;
    game.ulozeni.cilulozeni = 9;
    for (const std::string name : {"", "a/b", "a\\b", "..", "x..y", "tab\tname"}) {
        EXPECT_EQ(SaveScreenClick(game, name), SaveScreenAction::StayOpen) << name;
    }
    EXPECT_EQ(g.frontend.messages.size(), 6u);
    EXPECT_FALSE(g.folder.exists("save/b.mkp"));
    EXPECT_FALSE(fs::exists(g.folder.path() / "b.mkp"));

    ASSERT_EQ(SavePosition(game, "stara"), SaveResult::Saved);
    EXPECT_EQ(game.ulozeni.cilulozeni, 0);
    const std::string older = test::ReadFile(g.file("stara.mkp"));
    game.ulozeni.cilulozeni = 9;
    // The save folder can't be made: the save fails as a whole.
    g.folder.write("jinde/save", "a file, no folder");
    game.pribeh.soubory.gameFolder = g.folder.path() / "jinde";
    EXPECT_EQ(SaveScreenClick(game, "stara"), SaveScreenAction::StayOpen);
    EXPECT_EQ(g.frontend.errors.size(), 1u);
    game.pribeh.soubory.gameFolder = g.folder.path();
    EXPECT_TRUE(test::ReadFile(g.file("stara.mkp")) == older);
    EXPECT_EQ(game.ulozeni.cilulozeni, 9);

    // A name of Czech letters is a UTF-8 file name on disk and lists as it was given.
    ASSERT_EQ(SavePosition(game, cz("Žluťoučký")), SaveResult::Saved);
    EXPECT_TRUE(g.folder.exists("save/Žluťoučký.mkp"));
}

TEST(SavedPosition, ListShowsTheTwentyNewestOfAtMostAHundredFiles) {
    SaveGame g;
    std::tm when{};
    when.tm_year = 2024 - 1900, when.tm_mon = 2, when.tm_mday = 5;
    when.tm_hour = 9, when.tm_min = 7, when.tm_sec = 4, when.tm_isdst = -1;
    const auto base = std::chrono::file_clock::from_sys(
        std::chrono::system_clock::from_time_t(std::mktime(&when)));
    // p000..p104: names in one order, times in the other; p104 is the newest.
    for (int i = 0; i < 105; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "save/p%03d.mkp", i);
        g.folder.write(name, "");
        fs::last_write_time(g.folder.path() / name, base + std::chrono::minutes(i));
    }
    g.folder.write("save/jiny.txt", "");

    const std::vector<std::string> captions = ListSavedPositions(g.game);
    ASSERT_EQ(captions.size(), kShownPositions);
    EXPECT_EQ(g.game.ulozeni.pozice.size(), kListedPositions);
    // p100..p104 come after the first hundred names and are not listed.
    EXPECT_EQ(captions[0], "p099 [5.3.2024 10:46:04]");
    EXPECT_EQ(captions[19], "p080 [5.3.2024 10:27:04]");
    EXPECT_EQ(g.game.ulozeni.pozice.back().nazev, "p000");
    EXPECT_EQ(SavedPositionCaption(g.game.ulozeni.pozice.back()), "p000 [5.3.2024 9:07:04]");

    EXPECT_FALSE(ShownPosition(g.game, 21));
    EXPECT_EQ(ShownPosition(g.game, 2), g.file("p098.mkp"));
}

namespace {

// A small file system of its own mounted on the save folder, so a test can
// fill it or make it read-only; only where the test may mount (as root).
struct SmallSaveDisk {
    explicit SmallSaveDisk(const fs::path& folder) : path(folder) {
        fs::create_directories(path);
        mounted = ::mount("tmpfs", path.c_str(), "tmpfs", 0, "size=1600k") == 0;
    }
    ~SmallSaveDisk() {
        if (mounted) ::umount(path.c_str());
    }
    bool readOnly() {
        return ::mount("tmpfs", path.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1600k") == 0;
    }
    fs::path path;
    bool mounted = false;
};

std::vector<std::string> leftovers(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tmp") != std::string::npos) names.push_back(name);
    }
    return names;
}

}  // namespace

TEST(SavedPosition, FullDiskAndReadOnlyFolderAreToldAndKeepTheOlderSave) {
    SaveGame g;
    Game& game = g.game;
    SmallSaveDisk disk(g.folder.path() / "save");
    if (!disk.mounted) GTEST_SKIP() << "mounting a small file system needs root";
    ASSERT_EQ(SavePosition(game, "stara"), SaveResult::Saved);  // 1.1 MB of 1.6
    const std::string older = test::ReadFile(g.file("stara.mkp"));

    EXPECT_EQ(SaveScreenClick(game, "stara"), SaveScreenAction::StayOpen);
    ASSERT_EQ(g.frontend.errors.size(), 1u);
    EXPECT_NE(g.frontend.errors[0].find(cz("na disku není místo")), std::string::npos);
    EXPECT_TRUE(test::ReadFile(g.file("stara.mkp")) == older);
    EXPECT_TRUE(leftovers(disk.path).empty());

    ASSERT_TRUE(disk.readOnly());
    EXPECT_EQ(SaveScreenClick(game, "nova"), SaveScreenAction::StayOpen);
    ASSERT_EQ(g.frontend.errors.size(), 2u);
    EXPECT_NE(g.frontend.errors[1].find(cz("do složky save nelze zapisovat")), std::string::npos);
    EXPECT_TRUE(test::ReadFile(g.file("stara.mkp")) == older);
}

TEST(SavedPosition, ASaveKilledAtAnyMomentLeavesTheOlderSaveWholeAndNoLitter) {
    SaveGame g;
    Game& game = g.game;
    ASSERT_EQ(SavePosition(game, "hra"), SaveResult::Saved);
    const std::size_t size = fs::file_size(g.file("hra.mkp"));
    // Each round a child saves over and over, each save different, and is
    // killed after a growing delay: before, while and after it writes.
    for (int round = 0; round < 40; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (std::int32_t n = 0;; ++n) {
                game.stavhry.promenne[0] = n;
                SavePosition(game, "hra");
            }
        }
        ::usleep(static_cast<useconds_t>(round * 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ASSERT_EQ(fs::file_size(g.file("hra.mkp")), size) << "round " << round;
        ASSERT_EQ(LoadPosition(game, "save/hra.mkp"), LoadResult::Loaded) << "round " << round;
    }
    // Whatever the killed writers left is gone with the next save.
    ASSERT_EQ(SavePosition(game, "hra"), SaveResult::Saved);
    EXPECT_TRUE(leftovers(g.folder.path() / "save").empty());
}

TEST(SavedPosition, FilesDatedCenturiesAwayListWithTheirDates) {
    // Dates far outside the library's file clock, as some file systems keep them.
    std::tm when{};
    when.tm_year = 1800 - 1900, when.tm_mon = 0, when.tm_mday = 2, when.tm_hour = 12;
    when.tm_isdst = -1;
    const auto old = std::chrono::sys_seconds(std::chrono::seconds(std::mktime(&when)));
    EXPECT_EQ(SavedPositionCaption(TSav{"stara", "save/stara.mkp", old}),
              "stara [2.1.1800 12:00:00]");
    when.tm_year = 2600 - 1900;
    const auto late = std::chrono::sys_seconds(std::chrono::seconds(std::mktime(&when)));
    EXPECT_EQ(SavedPositionCaption(TSav{"nova", "save/nova.mkp", late}), "nova [2.1.2600 12:00:00]");

    // Files so dated list with the dates their file system keeps, newest first.
    SaveGame g;
    const std::pair<const char*, std::time_t> files[] = {{"save/p1800.mkp", old.time_since_epoch().count()},
                                                         {"save/p2600.mkp", late.time_since_epoch().count()}};
    for (const auto& [name, seconds] : files) {
        g.folder.write(name, "");
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (g.folder.path() / name).c_str(), times, 0), 0);
    }
    const std::vector<std::string> captions = ListSavedPositions(g.game);
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0].substr(0, 7), "p2600 [");
    EXPECT_EQ(captions[1].substr(0, 7), "p1800 [");
}

TEST(SavedPosition, AGameThatCantBeWrittenKeepsThePlayersPositionsInTheDataFolder) {
    SaveGame g;
    test::TempFolder data;
    test::ScopedEnvironment xdg("XDG_DATA_HOME", data.path().string());
    g.folder.write("save/stara.mkp", "");  // saved while the game could be written
    test::ReadOnlyFolder readOnly(g.folder.path());
    if (!readOnly.ok()) GTEST_SKIP() << "the folder can't be made read-only here";

    g.go(2);
    ASSERT_TRUE(g.frontend.errors.empty());
    const fs::path own = data.path() / "morvane" / g.folder.path().filename() / "save";
    EXPECT_TRUE(fs::exists(own / "prvni.mkp"));
    EXPECT_FALSE(g.folder.exists("save/prvni.mkp"));
    // Both the player's positions and the game's older ones are offered.
    ASSERT_EQ(ListSavedPositions(g.game).size(), 2u);
    EXPECT_EQ(g.game.ulozeni.pozice[0].soubor, own / "prvni.mkp");
    EXPECT_EQ(g.game.ulozeni.pozice[1].soubor, g.file("stara.mkp"));
    EXPECT_EQ(StartLoadedGame(g.game, *ReadPosition(g.game, SavedPositionPath("prvni"))), LoadResult::Loaded);
}
