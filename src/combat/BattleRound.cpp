#include "combat/BattleRound.h"

#include <algorithm>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/HeroEffects.h"
#include "combat/BattleConditions.h"
#include "combat/BattleEffect.h"
#include "game/ContentLoader.h"
#include "game/Game.h"
#include "interpreter/Formula.h"
#include "parser/Effect.h"
#include "parser/Expression.h"

namespace morvane {
namespace {

void replaceAll(std::string& text, std::string_view marker, std::string_view value) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size())) {
        text.replace(at, marker.size(), value);
    }
}

// The enemy's attack against the hero's armour, agility and bonuses; a wound
// is taken at once, but death waits for the end of the round.
void enemyAttacks(Game& game) {
    postava& hrac = game.hrac;
    const enemy& nepritel = game.nepritel;
    const std::int32_t r = RollDice(game.random, nepritel.utok);
    const std::int32_t d = wrapAdd(wrapAdd(hrac.zbroj.obrana, hrac.obratnost), game.bonusy.obrana);
    const std::int32_t t = wrapAdd(hrac.zbroj.tvrdost, game.bonusy.tvrdost);
    const std::int32_t p = nepritel.poskozeni;
    const std::int32_t a = wrapSub(r, d);
    const std::int32_t z = wrapSub(wrapAdd(a, p), t);

    std::string text = cz("Výsledný útok nepřítele je ") + toText(r) + cz(", tvá obrana je ") +
                       toText(d) + "." + kLineBreak;
    const std::string sum = " (" + toText(r) + cz(" útok +") + toText(p) + cz(" poškození -") +
                            toText(d) + " obrana -" + toText(t) + " tvrdost)";
    if (a < 1) {
        text += cz("Úspěšně jsi uhnul!");
    } else if (z < 1) {
        text += cz("Neutrpěl jsi však žádné zranění!") + sum;
    } else {
        text += cz("Ztrácíš ") + toText(z) + cz(" životů.") + sum;
        hrac.zivoty = wrapSub(hrac.zivoty, z);
        hrac.zasazenvsouboji = 1;
    }
    game.souboj.screen.Summary1 = text;
}

// The hero's answer: both formulas are rolled, hit or miss, with the entry's
// reports and effects.
void heroAttacks(Game& game, const TUtok& attack) {
    FightScreen& screen = game.souboj.screen;
    BattleMarkers& m = game.souboj.znacky;
    enemy& nepritel = game.nepritel;
    const std::int32_t u = EvaluateFormula(game, attack.vzorecutoku.view(), FormulaForm::Rolling);
    const std::int32_t a = wrapSub(u, nepritel.obrana);
    const std::int32_t s =
        EvaluateFormula(game, attack.vzorecposkozeni.view(), FormulaForm::Rolling);
    const std::int32_t z = wrapSub(wrapAdd(a, s), nepritel.tvrdost);
    m = BattleMarkers{u, nepritel.obrana, s, nepritel.tvrdost, z};

    if (a < 1) {
        screen.Summary2 = ReplaceBattleMarkers(game, attack.textminuti.view());
        ApplyBattleEffects(game, attack.efektyminuti, attack.pocetminuti);
        return;
    }
    if (z < 1) {
        screen.Summary2 = ReplaceBattleMarkers(game, attack.textbezposkozeni.view());
    } else {
        screen.Summary2 = ReplaceBattleMarkers(game, attack.textzasahu.view());
        nepritel.zivoty = wrapSub(nepritel.zivoty, z);
    }
    ApplyBattleEffects(game, attack.efektyzasah, attack.pocetzasah);
}

void closeFight(Game& game) { game.souboj.screen.open = false; }

}  // namespace

void PerformAction(Game& game, std::int32_t n) {
    if (!game.souboj.screen.hasAction(n)) return;
    FightScreen& screen = game.souboj.screen;
    const TUtok& attack = game.utoky[n];
    screen.Summary1.clear();
    screen.Summary2.clear();
    if (DescribeUnmetConditions(game, attack.podminky, attack.pocetpodminek, screen.Summary1)) {
        screen.Summary1 += cz("Nesplněny podmínky akce !") + kLineBreak;
        return;
    }
    if (attack.energie <= game.hrac.energievsouboji && attack.mana <= game.hrac.mana) {
        BattleRound(game, n);
        return;
    }
    screen.Summary2.clear();
    screen.Summary1 += cz("K provedení této akce je potřeba ") + toText(attack.energie) +
                       " energie a " + toText(attack.mana) + " many!";
}

void BattleRound(Game& game, std::int32_t n) {
    FightState& fight = game.souboj;
    postava& hrac = game.hrac;
    // A copy: the table is read again at the end of the round.
    const TUtok attack = game.utoky[n];

    fight.screen.listKind = FightListKind::None;
    fight.screen.list.clear();
    fight.screen.buttonsShown = true;
    fight.screen.summary2White = false;

    enemyAttacks(game);
    heroAttacks(game, attack);
    hrac.energievsouboji = wrapSub(hrac.energievsouboji, attack.energie);
    hrac.mana = wrapSub(hrac.mana, attack.mana);
    ApplyBattleEffects(game, attack.efektyvzdy, attack.pocetvzdy);
    CheckEnemyDefeated(game);

    const std::int32_t refilled =
        wrapAdd(wrapAdd(hrac.energievsouboji, hrac.rychlost), game.bonusy.rychlost);
    hrac.energievsouboji = std::min(refilled, hrac.energie);
    if (fight.neumirej == 0) ClampHitPointsAndMana(game);
    if (fight.neumirej > 0 && hrac.zivoty < 1) {
        game.vysledeksouboje = game.nepritel.zivoty >= 1 ? 0 : 1;
        closeFight(game);
    }
    UpdateBattleActions(game);
}

void CheckEnemyDefeated(Game& game) {
    FightState& fight = game.souboj;
    if (game.nepritel.zivoty >= 1) return;
    if (!fight.konecsouboje) game.hrac.zkusenosti = wrapAdd(game.hrac.zkusenosti, game.nepritel.xp);
    fight.screen.Summary2 = cz("NEPŘÍTEL JE PORAŽEN!");
    fight.konecsouboje = true;
    closeFight(game);
    game.vysledeksouboje = game.hrac.zivoty > 0 ? 2 : 1;
}

std::string ReplaceBattleMarkers(const Game& game, std::string_view text) {
    const BattleMarkers& m = game.souboj.znacky;
    std::string result(text);
    replaceAll(result, "#utok", toText(m.utok));
    replaceAll(result, "#nobrana", toText(m.nobrana));
    replaceAll(result, "#poskozeni", toText(m.poskozeni));
    replaceAll(result, "#ntvrdost", toText(m.ntvrdost));
    replaceAll(result, "#zasah", toText(m.zasah));
    replaceAll(result, "#radek", std::string_view(&kLineBreak, 1));
    return result;
}

void UpdateBattleActions(Game& game) {
    ReloadSpellsAndAttacks(game);
    for (FightAction& action : game.souboj.screen.actions) {
        const TUtok& attack = game.utoky[action.entry];
        action.enabled = AllConditionsHold(game, attack.podminky, attack.pocetpodminek);
    }
}

}  // namespace morvane
