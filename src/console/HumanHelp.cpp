#include "console/HumanHelp.h"

#include <string_view>

#include "base/Win1250.h"

namespace morvane {
namespace {

struct ScreenHelp {
    std::string_view screen;
    std::string_view cue;
    std::string_view commands;  // one command a line: "what to type — what it does"
};

constexpr ScreenHelp kHelp[] = {
    {"menu", "Napiš číslo volby.",
     "1 až 4 (new, load, about, quit) — volba hlavní nabídky"},
    {"name", "Napiš jméno a stiskni Enter; samotný Enter ponechá nabídnuté jméno.",
     "JMÉNO — jméno tvé postavy\n"
     "Enter — nabídnuté jméno"},
    {"load", "Napiš číslo pozice, nebo close.",
     "ČÍSLO (choose ČÍSLO) — načte pozici\n"
     "close — zpět do hlavní nabídky"},
    {"about", "Enter zavře.", "Enter (close) — zavře"},
    {"main", "Napiš číslo volby, ? vypíše příkazy.",
     "ČÍSLO (menu ČÍSLO) — volba z menu\n"
     "a, b, … — odkaz v textu označený [a], [b], …\n"
     "web ČÍSLO — webový odkaz\n"
     "postava (sheet) — tvoje postava a trénink\n"
     "vybavení (inventory) — tvoje věci\n"
     "nápověda (napoveda) — nápověda hry\n"
     "audio — zvuky a hudba\n"
     "Enter (pokračovat, continue) — pokračuje v načtené pozici\n"
     "tick [N] — nechá uplynout N desetin sekundy odpočtu\n"
     "konec (quit) — ukončí hru"},
    {"sheet", "Číslo vlastnosti ji zvýší za zkušenosti; close zavře.",
     "ČÍSLO (train ČÍSLO, train sila) — zvýší vlastnost, je-li u ní +\n"
     "info ČÍSLO — cena zvýšení\n"
     "close — zavře"},
    {"inventory", "Číslo řádku předmět použije, zbraň či zbroj vezme, obrázek ukáže; close zavře.",
     "ČÍSLO (use, equip, view ČÍSLO) — použije předmět, vezme zbraň nebo zbroj, ukáže obrázek\n"
     "info ČÍSLO — popis\n"
     "close — zavře"},
    {"shop", "Číslo zboží ho koupí; close zavře obchod.",
     "ČÍSLO (buy ČÍSLO) — koupí kus\n"
     "info ČÍSLO — popis a cena\n"
     "close — zavře obchod"},
    {"sell", "Číslo řádku prodá jeden kus; close zavře.",
     "ČÍSLO (sell ČÍSLO) — prodá jeden kus\n"
     "info ČÍSLO — prodejní cena\n"
     "close — zavře"},
    {"fight", "Číslo akce zaútočí; předměty a kouzla nabídnou svůj seznam; close po vítězství.",
     "ČÍSLO (attack ČÍSLO) — akce nebo řádek otevřeného seznamu\n"
     "předměty (item) — seznam předmětů\n"
     "kouzla (spell) — seznam kouzel\n"
     "info ČÍSLO — popis akce, předmětu nebo kouzla\n"
     "close — zavře souboj, když je nepřítel poražen"},
    {"save", "Napiš název a stiskni Enter; samotný Enter uloží pod nabídnutým, close neuloží.",
     "NÁZEV (save NÁZEV) — uloží pod názvem NÁZEV\n"
     "Enter — uloží pod nabídnutým názvem\n"
     "close (cancel) — neuloží"},
    {"picture", "Enter zavře obrázek.", "Enter (close) — zavře"},
    {"audio", "1 nebo 2 zapne či vypne, close uloží a zavře.",
     "1, 2 — zapne nebo vypne zvuky, hudbu\n"
     "sounds on|off, music on|off — totéž\n"
     "soundvol N, musicvol N — hlasitost 0 až 255\n"
     "close (ok) — uloží a zavře"},
    {"death", "Enter ukončí hru.", "Enter — konec"},
};

const ScreenHelp* find(const std::string& screen) {
    for (const ScreenHelp& help : kHelp)
        if (help.screen == screen) return &help;
    return nullptr;
}

}  // namespace

std::string HumanCue(const std::string& screen) {
    const ScreenHelp* help = find(screen);
    return help ? std::string(help->cue) : "";
}

std::string HumanHelp(const std::string& screen) {
    const ScreenHelp* help = find(screen);
    if (!help) return "";
    std::string text = "Příkazy:\n";
    std::string_view rest = help->commands;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        text += "  " + std::string(rest.substr(0, end)) + "\n";
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return text + "  ? (help) — tento seznam\n";
}

std::string HumanAudioText(const AudioEvent& event) {
    using Kind = AudioEvent::Kind;
    const std::string file = toUtf8(event.file);
    switch (event.kind) {
        case Kind::Sound: return "zvuk " + file;
        case Kind::Stream:
        case Kind::Track: return "hudba " + file;
        case Kind::Stop: return "hudba utichla";
        case Kind::Pause: return "hudba se zastavila";
        case Kind::Continue: return "hudba hraje dál";
    }
    return "";
}

std::string HumanDeathText() { return "Tvá postava zemřela."; }

}  // namespace morvane
