#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;

namespace {

constexpr const char* kStory = R"(<1>
<TEXT OBSAH="Rozcestí" ODKAZ="3">
<MENU T="Do lesa" X="2"><M T="K řece" X="3">
<2>
<TEXT OBSAH="Les"><CASOVAC CAS="2" ODKAZ="3" VYPISUJ="ANO"><ZPET>
<3>
<TEXT OBSAH="Řeka"><ZIVOTY MINUS="x"><M T="Zpět" X="1"><KONEC>
)";

}  // namespace

TEST(TextPlay, MenuLinksAndCountdownMoveThePlayer) {
    GameFolder game(kStory);
    const Played p = PlayText(game, {"menu 1", "tick 9", "tick", "tick 9", "menu 1"});
    ASSERT_EQ(p.status, 0);
    ASSERT_EQ(p.lines.size(), 7u);
    EXPECT_EQ(p.at(0, "/screen"), "main");
    EXPECT_EQ(p.at(0, "/game/page/0/text"), "Rozcestí");
    EXPECT_EQ(p.at(0, "/game/menu/items/1/text"), "K řece");
    EXPECT_EQ(p.at(1, "/game/lokace"), 2);
    EXPECT_EQ(p.at(1, "/game/countdown/label"), "2");
    EXPECT_EQ(p.at(2, "/game/countdown/label"), "2");  // nine ticks: not yet a second
    EXPECT_EQ(p.at(3, "/game/countdown/label"), "1");
    EXPECT_EQ(p.at(4, "/game/lokace"), 3);  // expired after 2.8 s
    EXPECT_EQ(p.last("/screen"), "ended");
}

TEST(TextPlay, UnknownCommandsChangeNothingAndBadCommandLinesAreRefused) {
    GameFolder game(kStory);
    const Played p = PlayText(game, {"menu 7", "fly", "link 1"});
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_EQ(p.at(1, "/messages/0"), "unknown command");
    EXPECT_EQ(p.at(2, "/messages/0"), "unknown command");
    EXPECT_EQ(p.at(2, "/game/lokace"), 1);
    EXPECT_EQ(p.at(3, "/game/lokace"), 3);  // the text link
    EXPECT_EQ(PlayText(game, {}, "--seed x").status, 2);
    game.write("data/inicializace.vrn", "short");
    const Played broken = PlayText(game, {});
    EXPECT_EQ(broken.status, 1);
}

// A check of a line or field the program did not print fails and says what
// is missing; the test goes on to its next check.
TEST(TextPlay, AMissingLineOrFieldFailsItsCheckWithoutEndingTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            Played p;
            p.lines.push_back({{"screen", "main"}, {"game", {{"page", nlohmann::json::array()}}}});
            EXPECT_TRUE(p.at(0, "/game/page/0/text").is_null());
        },
        "no /game/page/0/text in");
    EXPECT_NONFATAL_FAILURE(
        {
            Played p;
            p.lines.push_back({{"screen", "main"}});
            EXPECT_TRUE(p.at(3, "/screen").is_null());
            EXPECT_TRUE(p.last("/screen") == "main");
        },
        "line 3 (for /screen) was not printed; 1 were");
}

TEST(TextPlay, ATableThatIsNoTableIsReportedAndTheProgramKeepsAnswering) {
    GameFolder game(kStory);
    game.file("data/zbroje.vrn", "1,\"Košile\",\"\",3 ,0,0,0\n");
    const Played p = PlayText(game, {"sheet", "close", "quit"});
    ASSERT_EQ(p.status, 0);
    ASSERT_EQ(p.lines.size(), 4u);
    EXPECT_EQ(p.lines[0]["screen"], "main");
    EXPECT_EQ(p.lines[0]["messages"][0], "'3 ' is not a valid integer value");
    EXPECT_TRUE(p.lines[0]["game"]["page"].empty());  // the start-up stopped there
    EXPECT_EQ(p.lines[1]["screen"], "sheet");
    EXPECT_EQ(p.last("/screen"), "ended");
}

// The author line, the offered name and the skins' colours are the core's
// (FlowTest, SkinTest); here the terminal's own screens and commands.
TEST(TextPlay, MenuNameEntryAndSkinsAsTheWindowHasThem) {
    GameFolder game(kStory);
    game.definice.zadavanijmena = 1;
    game.writeDefinition();
    game.write("grafika/skin.ini", "[TechSetup]\nNapoveda=0\n");
    const Played p =
        PlayText(game, {"about", "close", "new", "name", "help"}, "--seed 1 --menu");
    ASSERT_EQ(p.lines.size(), 7u);
    EXPECT_EQ(p.lines[1]["about"]["lines"][0], "Hra byla vytvořena v");
    EXPECT_EQ(p.lines[3]["name"]["Edit1"], "Hrdina");
    EXPECT_EQ(p.lines[4]["screen"], "main");
    // The skin hides the help button.
    EXPECT_EQ(p.lines[5]["messages"][0], "unknown command");
}

// One named on the command line; one chosen in the load dialog is the window's test.
TEST(TextPlay, APositionThatCannotBeReadOnTheCommandLineEndsTheStart) {
    GameFolder game(kStory);
    const Played missing = PlayText(game, {}, "--seed 1 --load chybi");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.lines.empty());
    const std::string said = ReadFile(game.path() / "stderr.txt");
    EXPECT_NE(said.find("Pozici nelze načíst: soubor chybi.mkp"), std::string::npos) << said;
}

// The program started on a game with its audio open, stopped as a player or
// a service manager would stop it: waiting for a command, or busy in a
// location that rolls two thousand million dice.
TEST(TextPlay, CtrlCAndSigtermEndTheProgramAtOnceIdleOrBusy) {
    GameFolder game(R"(<1><TEXT OBSAH="Start"><M T="Počítat" X="2">
<2><NAHODA 1="2147483647k6"><TEXT OBSAH="Hotovo">
)");
    for (const auto& [signal, move] : {std::pair{SIGTERM, ""}, std::pair{SIGINT, ""},
                                       std::pair{SIGTERM, "menu 1\n"}}) {
        int input[2], output[2];
        ASSERT_EQ(::pipe(input), 0);
        ASSERT_EQ(::pipe(output), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(input[0], 0);
            ::dup2(output[1], 1);
            for (int fd : {input[0], input[1], output[0], output[1]}) ::close(fd);
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            ::execl(MORVANE_TEXT_BINARY, "morvane-text", "--json", game.path().c_str(), nullptr);
            ::_exit(127);
        }
        ::close(input[0]);
        ::close(output[1]);
        FILE* out = ::fdopen(output[0], "r");
        char first[1 << 16] = {};
        ASSERT_NE(std::fgets(first, sizeof first, out), nullptr);
        const auto state = nlohmann::json::parse(first, nullptr, false);
        EXPECT_EQ(state["game"]["audio"]["available"], true);
        if (*move) {
            ASSERT_EQ(::write(input[1], move, std::strlen(move)), std::ssize(std::string(move)));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }

        ::kill(child, signal);
        int status = 0;
        bool ended = false;
        for (int i = 0; i < 100 && !ended; ++i) {
            ended = ::waitpid(child, &status, WNOHANG) == child;
            if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!ended) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        EXPECT_TRUE(ended) << "signal " << signal << " " << move;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + signal) << status;
        ::close(input[1]);
        std::fclose(out);
    }
}

// The sound library (some seventy shared libraries) is loaded by the first
// sound, not by the start: the dynamic linker's log shows which it loaded.
TEST(TextPlay, SoundLibraryIsLoadedOnlyOnceASoundPlays) {
    GameFolder game(R"(<1><TEXT OBSAH="Ticho"><M T="Dál" X="2">
<2><AUDIOSOUND SOUBOR="zvon.wav"><TEXT OBSAH="Zvon">
)");
    const auto loaded = [&](const std::string& moves) {
        game.write("moves.txt", moves);
        const auto log = game.path() / "ld.txt";
        // In parentheses: Shell's own redirection would take standard error too.
        const std::string command = "(LD_DEBUG=files SDL_AUDIODRIVER=dummy " +
                                    std::string(MORVANE_TEXT_BINARY) + " --json '" +
                                    game.path().string() + "' < '" +
                                    (game.path() / "moves.txt").string() + "' 2>'" +
                                    log.string() + "')";
        EXPECT_EQ(Shell(command), 0);
        return ReadFile(log).find("libSDL2_mixer") != std::string::npos;
    };
    EXPECT_FALSE(loaded(""));
    EXPECT_TRUE(loaded("1\n"));
}
