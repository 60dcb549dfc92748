#pragma once
// All the state of one running game, under the names the game itself uses.
// One Game per program run; every test makes its own. Subsystems are free
// functions that take the Game (or the part of it they need).
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "base/Platform.h"
#include "base/Table.h"
#include "base/Win1250.h"
#include "character/HeroRecord.h"
#include "character/InventoryState.h"
#include "character/TradeState.h"
#include "combat/Enemy.h"
#include "combat/FightRecord.h"
#include "combat/FightState.h"
#include "content/ContentRecords.h"
#include "game/Frontend.h"
#include "game/TryOut.h"
#include "interpreter/GameStateRecord.h"
#include "interpreter/Page.h"
#include "parser/Command.h"
#include "parser/GameInitRecord.h"
#include "parser/StoryStore.h"
#include "save/SaveGlobals.h"
#include "shell/Audio.h"
#include "shell/Skin.h"

namespace morvane {

inline constexpr std::int32_t kTableEntries = 100;

struct Game {
    Game(Frontend& frontend, Clock& clock, RandomSource& random)
        : frontend(frontend), clock(clock), random(random) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Frontend& frontend;
    Clock& clock;
    RandomSource& random;
    // The screen the layout rules see (text wrap widths, help text).
    std::int32_t screenWidth = 1024;
    std::int32_t screenHeight = 768;

    // The game definition, with its name decoded.
    TGameInit definice{};
    // The currency name that screens show; the definition replaces it.
    std::string mena = cz("stříbrných");

    morvane::stavhry stavhry{};
    postava hrac{};

    Table<TZbran, kTableEntries> zbrane;
    Table<TZbroj, kTableEntries> zbroje;
    Table<TPredmet, kTableEntries> predmety;
    Table<TKouzlo, kTableEntries> kouzla;
    Table<TUtok, kTableEntries> utoky;
    // Entries read into each content table (0..100); entries past the count are stale.
    std::int32_t pocetzbrani = 0;
    std::int32_t pocetzbroji = 0;
    std::int32_t pocetpredmetu = 0;
    std::int32_t pocetkouzel = 0;
    std::int32_t pocetutoku = 0;
    Table<obj, kTableEntries> objekty;
    std::int32_t pocetobjektu = 0;

    // The shop and sell screens: the goods of the shop opened last, the
    // trading numbers and the two windows' texts.
    Trade obchod;
    // The inventory screen's hint and results.
    InventoryState inventar;

    morvane::bonusy bonusy{};
    std::int32_t vysledeksouboje = 0;
    // The enemy of the current or last fight, and that fight's state.
    enemy nepritel;
    FightState souboj;

    // The story text with its libraries and constants, and where the game's
    // files are.
    StoryStore pribeh;
    // The game folder: every game file is found below it (the working folder
    // in the programs, a temporary folder in tests).
    const std::filesystem::path& gameFolder() const { return pribeh.soubory.gameFolder; }

    // The commands of the running location and the run-wide condition counter.
    LocationCommands prikazy;
    std::int32_t pocitadlopodminek = 0;

    // What the main window shows.
    Hlavni hlavni;
    std::array<InfoLine, kInfoLines> historie{};  // entry 0 is line 1, the newest
    bool infozapnuto = true;
    Casovac casovac;
    WindowState okno;
    // The location to go to: set by a menu label under the pointer or an
    // expiring countdown, read by the click.
    std::int32_t cilovalokace = 0;
    // A location chosen by clicking a linked text block or picture, run at the
    // next timer tick or mouse movement so no control is destroyed inside its
    // own click handler.
    std::int32_t odlozenalokace = 0;
    // The entry of a list screen under the pointer, set and cleared by the
    // link label with `cilovalokace`; 0: none.
    std::int32_t vybranapolozka = 0;
    // Counts the runs of ChangeLoc, so that a run can tell that a nested run
    // (a countdown expiring under a modal screen) has replaced its commands.
    std::uint64_t behy = 0;

    // The author's trace (--trace): every command run and everything play
    // skips goes to the Frontend's traceLine as it happens.
    bool stopa = false;
    // A new game started to try a location: where it begins and what is set
    // first. StartNewGame uses it up.
    TryOut zkouska;

    // The save screen's name and resume location, the load dialog's list and
    // the position the next game start loads.
    Ulozeni ulozeni;

    // The audio player; null when no audio back end could be made, and then
    // every audio command is ignored and `audiodostupne` is false.
    std::unique_ptr<TAudio> audio;
    bool audiodostupne = false;

    // The two skins: the menu skin is read when the main menu is created, the
    // main skin at every start-up of a game. Windows take fonts and colours
    // from here, ApplyModalLook the look of modal screens.
    MenuSkin menuskin;
    Skin skin;
};

}  // namespace morvane
