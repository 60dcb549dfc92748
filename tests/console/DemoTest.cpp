// The bundled demo gamebook, played through the real morvane-text program:
// every ending and the death are reached by committed lists of moves that
// together visit every location, every link of the story leads somewhere, and the
// scrambled form of the game plays exactly like the plain one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/Win1250.h"
#include "console/TextPlayer.h"

using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kHere = fs::path(MORVANE_SOURCE_DIR) / "tests" / "console";
const fs::path kDemo = kHere.parent_path().parent_path() / "games" / "demo";
const fs::path kTools = fs::path(MORVANE_TEXT_BINARY).parent_path();

// A move list: one morvane-text command a line; lines starting with # are notes.
std::vector<std::string> Route(const std::string& name) {
    std::vector<std::string> moves;
    std::istringstream lines(ReadFile(kHere / name));
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#') moves.push_back(line);
    return moves;
}

// Plays a route; lines that are not screens (what a sound library may print)
// are left out.
Played Play(const TempFolder& game, const std::vector<std::string>& moves) {
    Played p = PlayText(game, moves);
    std::erase_if(p.lines, [](const nlohmann::json& line) { return !line.contains("screen"); });
    return p;
}

// The locations shown, in order; a move into a location that quits the
// program (or kills the hero) counts as a visit to the menu item's target.
std::vector<int> Visited(const Played& p, const std::vector<std::string>& moves) {
    std::vector<int> shown;
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
        const auto& line = p.lines[i];
        if (line.contains("game")) {
            const int lokace = Field(line, "/game/lokace");
            if (shown.empty() || shown.back() != lokace) shown.push_back(lokace);
        }
        const bool ends = i + 1 < p.lines.size() && p.at(i + 1, "/screen") == "ended";
        const auto menu = [&](std::size_t k) {
            return Field(line, "/game/menu/items/" + std::to_string(k - 1) + "/target");
        };
        if (ends && Field(line, "/screen") == "main" && i < moves.size() && !moves[i].empty() &&
            std::isdigit(static_cast<unsigned char>(moves[i][0])))
            shown.push_back(menu(std::stoul(moves[i])));
    }
    return shown;
}

struct Ending {
    const char* route;
    int page;                           // the last location the player reads
    const char* title;                  // the heading of that page
    int penize, zkusenosti, zivoty;     // what the shops, sales, fights and potions left
};

const Ending kEndings[] = {
    {"demo-konec-vesnice.txt", 31, "KONEC: ZVON SE VRACÍ", 75, 44, 30},
    {"demo-konec-klaster.txt", 32, "KONEC: STRÁŽCE KAMENCE", 0, 39, 23},
    {"demo-konec-utek.txt", 33, "KONEC: ZBABĚLÝ NÁVRAT", 0, 0, 20},
    {"demo-smrt.txt", 35, "", 35, 11, -989},
};

// The story and its libraries, as UTF-8.
std::vector<std::pair<fs::path, std::string>> StoryTexts() {
    std::vector<std::pair<fs::path, std::string>> texts = {
        {"data.vrn", morvane::toUtf8(ReadFile(kDemo / "data" / "data.vrn"))}};
    for (const auto& entry : fs::directory_iterator(kDemo / "data" / "knihovny"))
        texts.emplace_back(entry.path().filename(), morvane::toUtf8(ReadFile(entry.path())));
    return texts;
}

// The location markers (digits only) of the story and its libraries.
std::vector<int> Locations() {
    static const std::regex marker("<([0-9]+)>");
    std::vector<int> all;
    for (const auto& [file, text] : StoryTexts())
        for (std::sregex_iterator m(text.begin(), text.end(), marker), end; m != end; ++m)
            all.push_back(std::stoi((*m)[1]));
    return all;
}

}  // namespace

// Together the routes visit every location. The character and equipment
// buttons are hidden only on the title and the dark stairs, which one route
// leaves and enters again: they must come back on the courtyard and in the
// crypt below.
TEST(Demo, EveryRouteReachesItsEndingWithoutARefusedMove) {
    std::set<int> reached;
    for (const Ending& e : kEndings) {
        SCOPED_TRACE(e.route);
        const auto moves = Route(e.route);
        const Played p = Play(FolderCopy(kDemo), moves);
        ASSERT_EQ(p.status, 0);
        ASSERT_EQ(p.lines.size(), moves.size() + 1);  // the first screen, then one a move
        for (const auto& line : p.lines) {
            const nlohmann::json said = Field(line, "/messages");
            EXPECT_TRUE(std::find(said.begin(), said.end(), "unknown command") == said.end());
            if (line["screen"] != "main") continue;
            const int lokace = line["game"]["lokace"];
            const bool dark = lokace == 1 || lokace == 28;
            EXPECT_EQ(line["game"]["buttons"]["postava"], !dark) << lokace;
            EXPECT_EQ(line["game"]["buttons"]["vybaveni"], !dark) << lokace;
        }
        EXPECT_EQ(p.last("/screen"), "ended");
        const auto& last = p.final();
        EXPECT_EQ(Field(last, "/game/lokace"), e.page);
        EXPECT_EQ(Field(last, "/game/hrac/penize"), e.penize);
        EXPECT_EQ(Field(last, "/game/hrac/zkusenosti"), e.zkusenosti);
        EXPECT_EQ(Field(last, "/game/hrac/zivoty"), e.zivoty);
        if (e.title[0] != '\0') {
            EXPECT_EQ(Field(last, "/screen"), "main");
            EXPECT_NE(last.dump().find(e.title), std::string::npos);
        } else {
            EXPECT_EQ(Field(last, "/screen"), "death");
        }
        const auto shown = Visited(p, moves);
        reached.insert(shown.begin(), shown.end());
    }
    for (int l : Locations()) EXPECT_TRUE(reached.count(l)) << "no route visits " << l;
}

TEST(Demo, EveryLinkLeadsToALocationAndEveryLocationIsLinked) {
    // Links are X= and ODKAZ= of menus, texts, pictures, countdowns and the save offer.
    const std::regex link("(?:\\bX|ODKAZ)=\"([0-9]+)\"");
    std::set<int> locations, targets;
    for (int l : Locations()) EXPECT_TRUE(locations.insert(l).second) << "twice: " << l;
    const auto texts = StoryTexts();
    for (const auto& [file, text] : texts) {
        for (std::sregex_iterator m(text.begin(), text.end(), link), end; m != end; ++m)
            if (std::stoi((*m)[1]) > 0) targets.insert(std::stoi((*m)[1]));
    }
    // Every picture and sound that a command names is in the game folder.
    const std::regex named(
        "<(AUDIO[A-Z]+|OBRAZEK[A-Z]*|OBJEKT)[^>]*(?:SOUBOR|OBRAZEK)=\"([^\"]+)\"");
    for (const auto& [file, text] : texts) {
        for (std::sregex_iterator m(text.begin(), text.end(), named), end; m != end; ++m) {
            const char* folder = (*m)[1].str().starts_with("AUDIO") ? "audio" : "obrazky";
            EXPECT_TRUE(fs::exists(kDemo / folder / (*m)[2].str())) << (*m)[2];
        }
    }
    EXPECT_GE(locations.size(), 40u);
    for (int t : targets) EXPECT_TRUE(locations.count(t)) << "link to missing " << t;
    for (int l : locations) EXPECT_TRUE(l == 1 || targets.count(l)) << "nothing leads to " << l;
}

TEST(Demo, NoNumberIsPrintedBeforeANounWhoseFormDependsOnIt) {
    // "1 grošů", "3 životů": Czech needs a different form for 1, for 2 to 4
    // and for 5 and more, so a value is written after its noun or chosen by a
    // condition, never in front of a counted noun.
    const std::regex counted(
        "\\$[A-Za-z0-9]+ (groš|život|piv|svazk|nož|zkušenost)");
    for (const auto& [file, text] : StoryTexts()) {
        std::smatch m;
        EXPECT_FALSE(std::regex_search(text, m, counted)) << file << ": " << m.str();
    }
}

TEST(Demo, ScrambledCopyPlaysLikeThePlainGame) {
    const FolderCopy plain(kDemo), scrambled(kDemo);
    ASSERT_EQ(
        Shell((kTools / "morvane-zasifruj").string() + " '" + scrambled.path().string() + "'"), 0);
    // Only the scrambled files may remain, so nothing can be read from the plain ones.
    for (const fs::path& folder :
         {scrambled.path() / "data", scrambled.path() / "data" / "knihovny"})
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == ".vrn" &&
                entry.path().filename() != "inicializace.vrn")
                fs::remove(entry.path());
    EXPECT_TRUE(scrambled.exists("data/zasifrovane/knihovny/sen.vrn"));
    const auto moves = Route("demo-konec-klaster.txt");
    const Played a = Play(plain, moves), b = Play(scrambled, moves);
    ASSERT_EQ(a.lines.size(), b.lines.size());
    for (std::size_t i = 0; i < a.lines.size(); ++i) EXPECT_EQ(a.lines[i], b.lines[i]) << i;
    EXPECT_FALSE(scrambled.exists("data/temp"));  // working copies are gone again
}

TEST(Demo, DefinitionRecordIsWrittenFromItsTextSource) {
    TempFolder out;
    const auto define = [&](const fs::path& source, const std::string& target) {
        return Shell((kTools / "morvane-definice").string() + " '" + source.string() + "' '" +
                     (out.path() / target).string() + "'");
    };
    // The demo's and the starter game's records are the ones their sources give.
    for (const fs::path& game : {kDemo, kDemo.parent_path() / "template"}) {
        ASSERT_EQ(define(game / "data" / "inicializace.txt", "a.vrn"), 0) << game;
        EXPECT_EQ(ReadFile(out.path() / "a.vrn"), ReadFile(game / "data" / "inicializace.vrn")) << game;
    }
    // A misspelt key or a missing attribute triple writes nothing.
    out.write("bad.txt", ReadFile(kDemo / "data" / "inicializace.txt") + "zivot=1,2,3\n");
    EXPECT_NE(define(out.path() / "bad.txt", "b.vrn"), 0);
    out.write("short.txt", "nazev=x\nzadavanijmena=0\npenize=1\nzkusenosti=0\n");
    EXPECT_NE(define(out.path() / "short.txt", "b.vrn"), 0);
    EXPECT_FALSE(out.exists("b.vrn"));
}
