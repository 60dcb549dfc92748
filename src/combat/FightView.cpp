#include "combat/FightView.h"

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Game.h"

namespace morvane {
namespace {

std::string outOf(std::int32_t value, std::int32_t maximum) {
    return toText(value) + " / " + toText(maximum);
}

// «2k6+1»; a negative bonus brings its own sign («1k10-2»).
std::string enemyDice(const kostka& dice) {
    return toText(dice.pocet) + "k" + toText(dice.strany) + (dice.bonus < 0 ? "" : "+") +
           toText(dice.bonus);
}

// The weapon's dice with everything that adds to the roll; the "+" stays
// before a negative sum («1k6+-2»).
std::string heroAttack(const Game& game) {
    const postava& hrac = game.hrac;
    const std::int32_t bonus = wrapSub(
        wrapAdd(wrapAdd(hrac.zbran.utok.bonus, hrac.sila), game.bonusy.utok), hrac.zbroj.postih);
    return toText(hrac.zbran.utok.pocet) + "k" + toText(hrac.zbran.utok.strany) + "+" +
           toText(bonus);
}

void describeEnemy(const Game& game, FightView& view) {
    const enemy& nepritel = game.nepritel;
    view.Jmeno = nepritel.jmeno;
    view.Label12 = outOf(nepritel.zivoty, nepritel.maxzivoty);
    view.Label13 = enemyDice(nepritel.utok);
    view.Label14 = toText(nepritel.obrana);
    view.Label25 = toText(nepritel.poskozeni);
    view.Label26 = toText(nepritel.tvrdost);
}

void describeHero(const Game& game, FightView& view) {
    const postava& hrac = game.hrac;
    const bonusy& b = game.bonusy;
    view.Jmeno_hrac = hrac.jmeno.str();
    view.Label15 = outOf(hrac.zivoty, wrapAdd(hrac.maxzivoty, b.maxzivoty));
    view.Label16 = outOf(hrac.mana, wrapAdd(hrac.maxmana, b.maxmana));
    view.Label17 = toText(wrapAdd(hrac.rychlost, b.rychlost));
    view.Label18 = outOf(hrac.energievsouboji, hrac.energie);
    view.Label19 = heroAttack(game);
    view.Label20 = toText(wrapAdd(wrapAdd(hrac.zbroj.obrana, hrac.obratnost), b.obrana));
    view.Label27 = toText(wrapAdd(hrac.zbran.poskozeni, b.poskozeni));
    view.Label28 = toText(wrapAdd(hrac.zbroj.tvrdost, b.tvrdost));
}

}  // namespace

FightView DescribeFight(const Game& game) {
    const FightState& fight = game.souboj;
    const FightScreen& screen = fight.screen;
    FightView view;
    describeEnemy(game, view);
    describeHero(game, view);
    view.Summary1 = screen.Summary1;
    view.Summary2 = screen.Summary2;
    view.Summary3 = screen.Summary3;
    view.summary2_white = screen.summary2White;
    view.Popis_akce = screen.Popis_akce;
    view.popis_akce_black = screen.popisBlack;
    view.Popis_akce_cost = screen.Popis_akce_cost;
    view.popis_akce_cost_blue = screen.costBlue;
    view.Label31 = screen.Label31;
    view.Label32 = screen.Label32;
    view.cost_captions_shown = screen.costCaptionsShown;
    view.items_allowed = fight.predmetypovoleny;
    view.spells_allowed = fight.kouzlapovolena;
    view.buttons_shown = screen.buttonsShown;
    view.open = screen.open;
    view.ended = fight.konecsouboje;
    view.actions = screen.actions;
    view.list = FightList{screen.listKind, screen.list};
    return view;
}

bool FightOpen(const Game& game) { return game.souboj.screen.open; }

FightCaptions DescribeFightCaptions() {
    return {cz("Životy"), "Mana",      "Rychlost",     "Energie",  cz("Útok"),  "Obrana",
            cz("Poškození"), "Tvrdost", "Akce:", cz("Předměty"), "Kouzla", cz("Co použiješ?")};
}

}  // namespace morvane
