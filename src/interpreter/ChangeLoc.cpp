#include "interpreter/ChangeLoc.h"

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "game/Game.h"
#include "interpreter/CommandTable.h"
#include "interpreter/ConditionEvaluate.h"
#include "interpreter/Info.h"
#include "interpreter/Location.h"
#include "interpreter/Substitute.h"
#include "interpreter/Trace.h"
#include "parser/Condition.h"

namespace morvane {
namespace {

void StopCountdown(Game& game) {
    game.casovac = Casovac{};
}

// Everything the previous location left on screen goes; the info lines stay
// but are dimmed, so this location's reports stand out in their own colours.
void ClearScreen(Game& game) {
    game.okno.postavaVisible = game.stavhry.postavapovolena != 0;
    game.okno.vybaveniVisible = game.stavhry.vybavenipovoleno != 0;
    game.okno.napovedaVisible = false;
    game.hlavni = Hlavni{};
    game.okno.pokracovatVisible = false;
    for (InfoLine& line : game.historie) line.barva = kGrey;
    MakeHistory(game);
    game.okno.menuVisible = false;
    game.stavhry.pocetpolozek = 0;
}

// Decides the conditions of command k. A block's condition is decided once,
// at the first command inside it, and the outcome is written into every
// following command of the same block so later changes can't alter it.
bool DecideConditions(Game& game, std::vector<prikaz>& commands, std::size_t k) {
    bool provest = true;
    for (std::size_t i = 0; i < commands[k].podminky.size(); ++i) {
        podminka& condition = commands[k].podminky[i];
        if (condition.vysledek == -1) provest = false;
        if (condition.vysledek != 0) continue;
        const std::int32_t outcome = EvaluateCondition(game, condition) ? 1 : -1;
        if (outcome == -1) provest = false;
        const std::int32_t cislo = condition.cislo;
        for (std::size_t m = k; m < commands.size(); ++m) {
            if (i >= commands[m].podminky.size() || commands[m].podminky[i].cislo != cislo) break;
            commands[m].podminky[i].vysledek = outcome;
        }
    }
    return provest;
}

// Command k: its attributes filled in, its conditions decided, its handler
// run when they allow it. `traced` follows it when the trace is on.
void RunCommand(Game& game, std::vector<prikaz>& commands, std::size_t k, TracedCommand* traced) {
    tagg tag = commands[k].tag;
    const CommandEntry* entry = FindCommand(tag.nazev);
    for (param& p : tag.parametry) {
        p.hodnota = Substitute(game, p.hodnota);
        p.nazev = Substitute(game, p.nazev);
    }
    if (traced) traced->substituted(tag, entry);
    const bool provest = DecideConditions(game, commands, k);
    if (traced) traced->decided(provest);
    if (provest && entry && entry->handler) entry->handler(game, tag);
}

// The same, with its trace line written whatever becomes of it.
void RunTracedCommand(Game& game, std::vector<prikaz>& commands, std::size_t k) {
    TracedCommand traced(game, commands[k].tag);
    try {
        RunCommand(game, commands, k, &traced);
    } catch (const ScriptError& error) {
        traced.failed(error.what());
        throw;
    } catch (...) {
        traced.finish();  // the game ended inside it: what it did still shows
        throw;
    }
    traced.finish();
}

// Runs the loaded commands in order. Returns false when a nested run (a
// countdown that expired under a modal screen) took over: that run has
// replaced the commands and built its own menu, so this one must stop.
bool RunCommands(Game& game, std::uint64_t run) {
    auto& commands = game.prikazy.prikazy;
    const std::size_t count = commands.size();
    for (std::size_t k = 0; k < count; ++k) {
        if (game.stopa) RunTracedCommand(game, commands, k);
        else RunCommand(game, commands, k, nullptr);
        if (game.behy != run) return false;
    }
    return true;
}

void BuildMenu(Game& game) {
    game.okno.locationLabel.clear();
    if (game.stavhry.cislalokaci > 0) game.okno.locationLabel = "<" + toText(game.stavhry.lokace) + ">";
    game.okno.menuVisible = true;
}

}  // namespace

void ChangeLoc(Game& game, std::int32_t n) {
    StopCountdown(game);
    if (n <= 0) {
        game.cilovalokace = 0;
        return;
    }
    const std::uint64_t run = ++game.behy;
    game.cilovalokace = n;
    ClearScreen(game);
    game.stavhry.predchozilokace = game.stavhry.lokace;
    game.stavhry.lokace = n;
    game.prikazy.prikazy.clear();
    if (game.stopa) TraceLocation(game, n);
    try {
        LoadLocation(game, n);
        if (!RunCommands(game, run)) return;
    } catch (const ScriptError& error) {
        // The rest of the location is abandoned, but the menu is still built
        // from the items added so far: the player is never left without a way on.
        if (game.behy != run) return;
        game.frontend.reportError(error.what());
    }
    game.prikazy.prikazy.clear();
    BuildMenu(game);
    game.cilovalokace = 0;
}

void Button1Click(Game& game) { ChangeLoc(game, game.cilovalokace); }

void ControlForceLoad(Game& game) {
    if (game.odlozenalokace == 0) return;
    const std::int32_t target = game.odlozenalokace;
    game.odlozenalokace = 0;
    ChangeLoc(game, target);
}

void TimerTimer(Game& game) {
    ControlForceLoad(game);
    Casovac& c = game.casovac;
    if (!c.casovacbezi) return;
    if (++c.tiky < 10) return;
    // The first second of a countdown lasts 10 ticks, every later one 9.
    c.tiky = 1;
    c.zbyvacas = wrapSub(c.zbyvacas, 1);
    c.label = c.casovaczobrazit ? toText(c.zbyvacas) : std::string();
    if (c.zbyvacas >= 1) return;
    game.cilovalokace = c.cilcasovace;
    game.frontend.closeSideScreens();
    ChangeLoc(game, c.cilcasovace);
}

std::string MenuCaption(const Game& game, std::int32_t j) {
    const polozkamenu& item = game.stavhry.menu[j - 1];
    std::string caption = item.text.str();
    if (game.stavhry.cislalokaci > 0) caption += " (" + toText(item.cil) + ")";
    return caption;
}

}  // namespace morvane
