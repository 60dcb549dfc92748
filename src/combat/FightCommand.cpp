#include "combat/FightCommand.h"

#include <algorithm>

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "combat/BattleConditions.h"
#include "game/ContentLoader.h"
#include "game/Game.h"
#include "interpreter/Info.h"
#include "parser/Expression.h"

namespace morvane {
namespace {

// The screen has room for this many actions; further learned attacks are not offered.
constexpr std::size_t kMaxActions = 50;

// One attribute of the command; names the fight does not know are ignored.
void applyAttribute(Game& game, const param& p) {
    enemy& nepritel = game.nepritel;
    FightState& fight = game.souboj;
    const std::string& name = p.nazev;
    if (name == "JMENO") {
        nepritel.jmeno = p.hodnota;
    } else if (name == "UTOK") {
        nepritel.utok = ParseDice(p.hodnota);
    } else if (name == "OBRANA") {
        nepritel.obrana = toInteger(p.hodnota);
    } else if (name == "TVRDOST") {
        nepritel.tvrdost = toInteger(p.hodnota);
    } else if (name == "ZIVOTY") {
        nepritel.maxzivoty = nepritel.zivoty = toInteger(p.hodnota);
    } else if (name == "ZRANEN") {
        nepritel.zivoty = wrapSub(nepritel.maxzivoty, toInteger(p.hodnota));
    } else if (name == "POSKOZENI") {
        nepritel.poskozeni = toInteger(p.hodnota);
    } else if (name == "XP") {
        nepritel.xp = toInteger(p.hodnota);
    } else if (name == "NEUMIREJ") {
        fight.neumirej = toInteger(p.hodnota);
    } else if (name == "KOUZLA") {
        if (upperCase(p.hodnota) == "NE") fight.kouzlapovolena = false;
    } else if (name == "PREDMETY") {
        if (upperCase(p.hodnota) == "NE") fight.predmetypovoleny = false;
    }
}

// The screen as a new fight finds it: empty reports, no list, both buttons,
// and one action per learned attack in table order.
void prepareScreen(Game& game) {
    FightScreen& screen = game.souboj.screen;
    screen = FightScreen{};
    for (std::int32_t n = 1; n <= kTableEntries && screen.actions.size() < kMaxActions; ++n) {
        const TUtok& attack = game.utoky[n];
        if (attack.umime == 0) continue;
        const bool enabled = AllConditionsHold(game, attack.podminky, attack.pocetpodminek);
        screen.actions.push_back(FightAction{n, attack.nazev.str(), enabled});
    }
}

// Closes the screen however the fight is left, also when the hero dies in it.
struct ScreenCloser {
    FightScreen& screen;
    ~ScreenCloser() {
        screen.open = false;
        screen.actions.clear();
    }
};

void endFight(Game& game) {
    if (game.souboj.neumirej > 0) {
        game.hrac.zivoty = std::max(game.hrac.zivoty, 1);
    } else {
        AddInfo(game, cz("Vyhrál jsi! Za poražení nepřítele získáváš ") + toText(game.nepritel.xp) +
                          " XP");
        SetInfoColour(game, "Lime");
        MakeHistory(game);
    }
    // Speed stays: it is read only inside fights.
    const std::int32_t rychlost = game.bonusy.rychlost;
    game.bonusy = bonusy{};
    game.bonusy.rychlost = rychlost;
}

}  // namespace

void cmdSouboj(Game& game, const tagg& tag) {
    FightState& fight = game.souboj;
    // A countdown that runs a location under the open screen cannot start a
    // second fight inside the first.
    if (fight.screen.open) throw ScriptError(cz("Souboj už probíhá"));
    fight.konecsouboje = false;
    fight.neumirej = 0;
    fight.kouzlapovolena = true;
    fight.predmetypovoleny = true;
    ReloadSpellsAndAttacks(game);
    game.vysledeksouboje = 1;
    for (const param& p : tag.parametry) applyAttribute(game, p);
    game.bonusy = bonusy{};
    game.hrac.energievsouboji = game.hrac.energie / 2;
    game.hrac.zasazenvsouboji = 0;
    game.hrac.kouzlavsouboji = 0;
    game.hrac.predmetyvsouboji = 0;
    prepareScreen(game);
    {
        ScreenCloser closer{fight.screen};
        fight.screen.open = true;
        game.frontend.showFight();
    }
    endFight(game);
}

}  // namespace morvane
