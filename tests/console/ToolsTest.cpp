// The small programs of an author's kit answer --help and --version, never
// take an option for a folder, and the definition writer refuses a source
// that is not UTF-8 instead of writing question marks into the title.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/Win1250.h"
#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kTools = fs::path(MORVANE_TEXT_BINARY).parent_path();

struct Output {
    int status = -1;
    std::string text;  // standard output and error together
};

Output Invoke(const std::string& program, const std::string& arguments) {
    Output out;
    out.text = Capture((kTools / program).string() + " " + arguments + " 2>&1", out.status);
    return out;
}

}  // namespace

TEST(Tools, AnswerHelpAndVersionAndRefuseUnknownOptions) {
    TempFolder here;
    for (const char* program : {"morvane-definice", "morvane-zasifruj", "morvane-text"}) {
        SCOPED_TRACE(program);
        const Output help = Invoke(program, "--help");
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.text.find(std::string("Usage: ") + program), std::string::npos);
        const Output version = Invoke(program, "--version");
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.text.rfind(std::string(program) + " ", 0), 0u) << version.text;
        EXPECT_EQ(Invoke(program, "--nonsense '" + here.path().string() + "'").status, 2);
    }
    // A folder without a definition is no game.
    EXPECT_EQ(Invoke("morvane-zasifruj", "'" + here.path().string() + "'").status, 2);
}

TEST(Tools, ScramblingNeverWritesThroughALinkOutOfTheGame) {
    GameFolder game("<1>\n<KONEC>\n");
    TempFolder elsewhere;
    fs::create_directory_symlink(elsewhere.path(), game.path() / "data" / "zasifrovane");
    const Output refused = Invoke("morvane-zasifruj", "'" + game.path().string() + "'");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.text.find("leads outside the game folder"), std::string::npos) << refused.text;
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
    fs::remove(game.path() / "data" / "zasifrovane");
    EXPECT_EQ(Invoke("morvane-zasifruj", "'" + game.path().string() + "'").status, 0);
    EXPECT_TRUE(game.exists("data/zasifrovane/data.vrn"));
}

TEST(Tools, DefinitionSourceInWindows1250IsRefusedWithItsLine) {
    // A source in UTF-8 is written: DemoTest writes the bundled games' records.
    TempFolder out;
    out.write("cp1250.txt", morvane::cz("nazev=hra\ntitul=Žluťoučký kůň\n"));
    const std::string target = " '" + (out.path() / "a.vrn").string() + "'";
    const Output refused = Invoke("morvane-definice", "'" + (out.path() / "cp1250.txt").string() + "'" + target);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.text.find("cp1250.txt:2: not UTF-8"), std::string::npos) << refused.text;
    EXPECT_FALSE(out.exists("a.vrn"));
}
