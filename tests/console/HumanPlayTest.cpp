// morvane-text as a person plays it: no --json, only what the screens ask
// for is typed, and the printed text is read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "console/TextPlayer.h"
#include "support/GameFolder.h"

using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

struct Typed {
    int status = -1;
    std::string text;
};

// `input` is a shell command whose output is what the person types (it may
// pause between lines).
Typed Type(const TempFolder& game, const std::string& input) {
    const std::string command = "(" + input + ") | SDL_AUDIODRIVER=dummy " +
                                std::string(MORVANE_TEXT_BINARY) + " --seed 1 '" +
                                game.path().string() + "' 2>/dev/null";
    Typed typed;
    typed.text = Capture(command, typed.status);
    return typed;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string input = "printf '";
    for (const std::string& line : lines) input += line + "\\n";
    return input + "'";
}

// The text from the first `from` on, up to the next prompt after it.
std::string Screen(const std::string& text, const std::string& from) {
    const auto start = text.find(from);
    if (start == std::string::npos) return "";
    return text.substr(start, text.find("\n> ", start) - start);
}

}  // namespace

TEST(HumanPlay, TheDemoSpeaksInTheWindowsCaptionsAndNumbersWhatItShows) {
    const FolderCopy demo(fs::path(MORVANE_SOURCE_DIR) / "games" / "demo");
    // A name, the village, the smithy's goods: the leather vest, then the
    // sheet and the inventory by their buttons, with a few slips on the way.
    const Typed t = Type(demo, Lines({"Jan", "1", "2", "1", "?", "3", "9", "close", "1",
                                      "vybavení", "2", "1", "close", "Postava", "3", "close",
                                      "konec"}));
    ASSERT_EQ(t.status, 0);
    EXPECT_NE(t.text.find("=== Zadej jméno své postavy: ===\nJméno: [Pocestný]"), std::string::npos);
    EXPECT_NE(Screen(t.text, "=== Obchod ===")
                  .find("Máme 20 grošů\n  1) Lovecký nůž – 10 grošů\n       útok 1k6+0, poškození 1"),
              std::string::npos);
    EXPECT_NE(t.text.find("ČÍSLO (buy ČÍSLO) — koupí kus"), std::string::npos);  // the shop's help
    EXPECT_NE(t.text.find("Máme 0 grošů"), std::string::npos);
    EXPECT_NE(t.text.find("Koupil jsi Kožená vesta"), std::string::npos);
    EXPECT_NE(t.text.find("* Položka s tímto číslem tu není."), std::string::npos);
    EXPECT_EQ(Screen(t.text, "=== Vybavení ==="),
              "=== Vybavení ===\nGrošů 0\nPředměty\n  –\nInventář\n"
              "  1) Matčin prsten – Nelze použít!\nZbraně a zbroje\n"
              "  2) Kožená vesta – obrana 2, tvrdost 1\n"
              "Číslo řádku předmět použije, zbraň či zbroj vezme, obrázek ukáže; close zavře.");
    EXPECT_NE(t.text.find("* Tento předmět tady použít nelze."), std::string::npos);
    // The vest is worn (and makes the hero nimbler); training without experience is refused.
    EXPECT_EQ(Screen(t.text, "=== Postava ==="),
              "=== Postava ===\nJan\nZkušenosti 0\n  1) Životy 25 / 25\n  2) Mana 6 / 6\n"
              "  3) Síla 5\n  4) Obratnost 5\n  5) Rychlost 4\n  6) Energie 12\n"
              "Zbraň Holé ruce (útok 1k3+0, poškození 0)\n"
              "Zbroj Kožená vesta (obrana 2, tvrdost 1)\n"
              "Číslo vlastnosti ji zvýší za zkušenosti; close zavře.");
    EXPECT_NE(t.text.find("* Na to nemáš dost zkušeností."), std::string::npos);
    for (const char* control : {"Label", "Edit1", "CheckBox", "unknown command"})
        EXPECT_EQ(t.text.find(control), std::string::npos) << control;
}

// A person's countdown runs while the game waits for a line; typed ahead,
// the lines come before any tick. Links go by their letters.
TEST(HumanPlay, TheCountdownRunsOnTheClockWhileThePlayerThinks) {
    GameFolder game(R"(<1>
<TEXT OBSAH="Rozcestí" ODKAZ="3"><M T="Do lesa" X="2">
<2>
<TEXT OBSAH="Les"><CASOVAC CAS="1" ODKAZ="3" VYPISUJ="ANO"><M T="Zpět" X="1">
<3>
<TEXT OBSAH="Řeka">
)");
    const Typed waited = Type(game, "printf '1\\n'; sleep 1.6; printf 'konec\\n'");
    EXPECT_EQ(waited.status, 0);
    EXPECT_NE(waited.text.find("Zbývá: 1 s"), std::string::npos);
    EXPECT_NE(waited.text.find("Řeka"), std::string::npos);
    const Typed hurried = Type(game, Lines({"1", "1", "konec"}));
    EXPECT_EQ(hurried.text.find("Řeka"), std::string::npos);
    EXPECT_NE(hurried.text.find("Rozcestí"), hurried.text.rfind("Rozcestí"));  // back at 1
    const Typed linked = Type(game, Lines({"b", "a"}));
    EXPECT_NE(linked.text.find("Rozcestí  [a]"), std::string::npos);
    EXPECT_NE(linked.text.find("* Položka s tímto číslem tu není."), std::string::npos);
    EXPECT_NE(linked.text.find("Řeka"), std::string::npos);
}

// What a move writes comes before the fight it opens; a refused list says
// why; the blow that kills the hero is shown, then the death.
TEST(HumanPlay, AFightShowsThePageBeforeAndItsLastRoundBeforeTheDeath) {
    GameFolder game(R"(<1>
<UTOK UMIME="1"><M T="Do jeskyně" X="2">
<2>
<TEXT OBSAH="Z temnoty vyleze obr."><SOUBOJ JMENO="Obr" UTOK="0k6+100" POSKOZENI="50" ZIVOTY="500" KOUZLA="NE">
<TEXT OBSAH="Přežil jsi.">
)");
    game.file("data/utoky.vrn", "1,\"Bodnutí\",\"\",\"Zásah\",\"Bez škody\",\"Vedle\",0,0,100,10\n");
    const Typed t = Type(game, Lines({"1", "kouzla", "1", ""}));
    EXPECT_EQ(t.status, 0);
    const auto page = t.text.find("Z temnoty vyleze obr.");
    const auto fight = t.text.find("=== Obr ===");
    EXPECT_LT(page, fight);
    EXPECT_NE(t.text.find("* V tomto souboji nelze sesílat kouzla."), std::string::npos);
    const auto blow = t.text.find("Výsledný útok nepřítele je 100");
    const auto death = t.text.find("Tvá postava zemřela.");
    EXPECT_LT(fight, blow);
    EXPECT_LT(blow, death);
    EXPECT_NE(death, std::string::npos);
    EXPECT_EQ(t.text.find("Přežil jsi."), std::string::npos);
}
