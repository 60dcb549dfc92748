// The author's reference (docs/authoring) can't drift from the engine: every
// game-file example in it is taken out, stored in Windows-1250 in a copy of
// the starter game and run by the engine's core, every command the engine
// knows is described, and, once morvane-check is built, every example passes
// the check too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "character/ShopFile.h"
#include "console/TextPlayer.h"
#include "game/NewGame.h"
#include "interpreter/ChangeLoc.h"
#include "interpreter/CommandTable.h"
#include "parser/Command.h"
#include "parser/GameDefinition.h"
#include "shell/Skin.h"
#include "support/TempFolder.h"
#include "support/TestGame.h"

using namespace morvane;
using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kRoot = MORVANE_SOURCE_DIR;
const fs::path kDocs = kRoot / "docs" / "authoring";
const fs::path kTools = fs::path(MORVANE_TEXT_BINARY).parent_path();

// One fenced block of the reference: its kind (the fence's info string),
// where it stands and its text (UTF-8, as the reference holds it).
struct Example {
    std::string kind;
    std::string where;
    std::string text;
};

std::vector<Example> ExamplesOf(const fs::path& doc) {
    std::vector<Example> examples;
    std::istringstream lines(ReadFile(doc));
    Example* open = nullptr;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.starts_with("```")) {
            if (open) open->text += line + "\n";
        } else if (open) {
            open = nullptr;
        } else {
            const std::string where = doc.filename().string() + ":" + std::to_string(number);
            open = &examples.emplace_back(Example{line.substr(3), where, ""});
        }
    }
    return examples;
}

std::vector<fs::path> Chapters() {
    std::vector<fs::path> docs;
    for (const auto& entry : fs::directory_iterator(kDocs))
        if (entry.path().extension() == ".md") docs.push_back(entry.path());
    std::sort(docs.begin(), docs.end());
    return docs;
}

// The game file a supporting example stands for, or empty for other kinds.
std::string SupportFile(const std::string& kind) {
    static const std::set<std::string> tables = {"zbrane", "zbroje", "predmety", "kouzla",
                                                 "utoky", "obchod", "konstanty"};
    if (kind.starts_with("vrn-knihovna-")) return "data/knihovny/" + kind.substr(13) + ".vrn";
    if (kind.starts_with("vrn-") && tables.count(kind.substr(4))) return "data/" + kind.substr(4) + ".vrn";
    return "";
}

// A copy of the starter game with the example's files in it, in Windows-1250.
struct ExampleGame : FolderCopy {
    explicit ExampleGame(const std::map<std::string, std::string>& files)
        : FolderCopy(kRoot / "games" / "template") {
        for (const auto& [file, text] : files) write(file, cz(text));
    }
};

std::vector<int> Locations(const std::string& story) {
    std::vector<int> numbers;
    static const std::regex marker("<([0-9]+)>");
    for (std::sregex_iterator m(story.begin(), story.end(), marker), end; m != end; ++m)
        numbers.push_back(std::stoi((*m)[1]));
    return numbers;
}

// Tag names of a script text that no command has.
std::vector<std::string> UnknownTags(const std::string& script) {
    LocationCommands commands;
    std::int32_t counter = 0;
    ScanLocation(cz(script), commands, counter);
    std::vector<std::string> unknown;
    for (const prikaz& c : commands.prikazy)
        if (!FindCommand(c.tag.nazev)) unknown.push_back(c.tag.nazev);
    return unknown;
}

struct Reports {
    std::vector<std::string> errors, messages;
};

// Starts a new game of the folder and runs every location of the example in turn.
Reports Play(const ExampleGame& folder, const std::string& story) {
    TestGame t;
    t.game.pribeh.soubory.gameFolder = folder.path();
    t.game.definice = GameDefinition::load(folder.path()).record();
    try {
        PrepareGame(t.game);
    } catch (const ScriptError& error) {  // a table that stops the start of the game
        t.frontend.reportError(error.what());
        return {t.frontend.errors, t.frontend.messages};
    }
    for (int n : Locations(story)) ChangeLoc(t.game, n);
    return {t.frontend.errors, t.frontend.messages};
}

std::string Utf8(const std::vector<std::string>& texts) {
    std::string all;
    for (const auto& t : texts) all += toUtf8(t) + "\n";
    return all;
}

#ifdef MORVANE_CHECK_BINARY
// The story as a whole game the check can't fault for its shape: every
// location ends the game and location 1 leads to all the others.
std::string Connected(const std::string& story) {
    std::string links;
    for (int n : Locations(story))
        if (n != 1) links += "<M T=\"x\" X=\"" + std::to_string(n) + "\">";
    static const std::regex marker("<([0-9]+)>");
    std::string out, rest = story;
    bool first = true;
    for (std::sregex_iterator m(story.begin(), story.end(), marker), end; m != end; ++m) {
        out += m->prefix().str() + (first ? "" : "<KONEC>") + m->str();
        if ((*m)[1] == "1") out += links;
        rest = m->suffix().str();
        first = false;
    }
    return out + rest + "<KONEC>";
}
#endif

}  // namespace

TEST(AuthoringDocs, EveryExampleRunsAsTheReferenceSays) {
    int checked = 0;
    for (const fs::path& doc : Chapters()) {
        std::map<std::string, std::string> support;  // files the chapter has shown so far
        for (const Example& e : ExamplesOf(doc)) {
            SCOPED_TRACE(e.where);
            if (const std::string file = SupportFile(e.kind); !file.empty()) {
                support[file] = e.text;
                if (e.kind.starts_with("vrn-knihovna-")) {
                    EXPECT_EQ(UnknownTags(e.text), std::vector<std::string>{});
                }
                ExampleGame folder(support);
                const Reports run = Play(folder, "");
                EXPECT_EQ(Utf8(run.errors) + Utf8(run.messages), "");  // the tables load
                ++checked;
            } else if (e.kind == "vrn-lokace" || e.kind == "vrn-chyba") {
                EXPECT_EQ(UnknownTags(e.text), std::vector<std::string>{});
                auto files = support;
                files["data/data.vrn"] = e.text;
                ExampleGame folder(files);
                const Reports run = Play(folder, e.text);
                if (e.kind == "vrn-lokace") {
                    EXPECT_EQ(Utf8(run.errors) + Utf8(run.messages), "");
#ifdef MORVANE_CHECK_BINARY
                    folder.write("data/data.vrn", cz(Connected(e.text)));
                    EXPECT_EQ(Shell(std::string(MORVANE_CHECK_BINARY) + " '" + folder.path().string() + "'"), 0);
#endif
                } else {
                    EXPECT_FALSE(run.errors.empty()) << "the example of a mistake runs without one";
                }
                ++checked;
            } else if (e.kind == "ini-skin" || e.kind == "ini-menuskin") {
                const std::map<std::string, std::string> skin = {
                    {"grafika/" + e.kind.substr(4) + ".ini", e.text}};
                ExampleGame folder(skin);
                EXPECT_EQ(ReadSkin(folder.path()).error + ReadMenuSkin(folder.path()).error, "");
                ++checked;
            } else if (e.kind == "definice") {
                TempFolder out;
                out.write("definice.txt", e.text);
                fs::create_directories(out.path() / "data");
                EXPECT_EQ(Shell((kTools / "morvane-definice").string() + " '" +
                                (out.path() / "definice.txt").string() + "' '" +
                                (out.path() / "data" / "inicializace.vrn").string() + "'"),
                          0);
                EXPECT_FALSE(GameDefinition::load(out.path()).gameName().empty());
                ++checked;
            } else {
                // Anything else is no game file: command lines and sketches.
                EXPECT_TRUE(e.kind == "sh" || e.kind == "text") << "unknown example kind " << e.kind;
            }
        }
    }
    EXPECT_GE(checked, 40);
}

// A shop line offers the goods it names that its tables hold.
TEST(AuthoringDocs, ShopExampleOffersWhatItLists) {
    std::map<std::string, std::string> files;
    for (const Example& e : ExamplesOf(kDocs / "05-tabulky.md"))
        if (!SupportFile(e.kind).empty()) files[SupportFile(e.kind)] = e.text;
    ExampleGame folder(files);
    TestGame t;
    t.game.pribeh.soubory.gameFolder = folder.path();
    t.game.definice = GameDefinition::load(folder.path()).record();
    PrepareGame(t.game);
    for (const auto& [shopNumber, goods] : {std::pair{1, 3}, std::pair{2, 3}}) {
        t.game.obchod.cisloobchodu = shopNumber;
        LoadShop(t.game);
        EXPECT_EQ(t.game.obchod.obchod.pocetzbozi, goods) << shopNumber;
    }
}

// Every tag name the engine knows has its place in the chapter of commands.
TEST(AuthoringDocs, EveryCommandIsDescribed) {
    const std::string commands = ReadFile(kDocs / "03-prikazy.md");
    for (const CommandEntry& entry : AllCommands()) {
        const std::regex named("\\b" + std::string(entry.name) + "\\b");
        EXPECT_TRUE(std::regex_search(commands, named)) << entry.name;
    }
}
