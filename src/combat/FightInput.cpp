// The hovers and clicks of the combat screen (declared in FightView.h).
#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "base/WordWrap.h"
#include "combat/BattleConditions.h"
#include "combat/BattleItems.h"
#include "combat/BattleRound.h"
#include "combat/FightView.h"
#include "game/Game.h"
#include "interpreter/Formula.h"
#include "parser/Expression.h"

namespace morvane {
namespace {

// Runs one event of the open screen. A script failure ends the event, not
// the fight: it is reported and the player may go on.
template <class Event>
void handle(Game& game, Event event) {
    if (!game.souboj.screen.open) return;
    try {
        event(game.souboj.screen);
    } catch (const ScriptError& e) {
        game.frontend.reportError(e.what());
    }
}

// «a až A», or «a» when both bounds are the same.
std::string range(std::int32_t low, std::int32_t high) {
    return low == high ? toText(low) : toText(low) + cz(" až ") + toText(high);
}

std::string formulaRange(Game& game, const ShortString<200>& formula) {
    return range(EvaluateFormula(game, formula.view(), FormulaForm::Minimum),
                 EvaluateFormula(game, formula.view(), FormulaForm::Maximum));
}

// Summary3: the conditions of the entry under the pointer that fail.
void showUnmet(Game& game, const podminka* conditions, std::int32_t count,
               std::string_view closing) {
    FightScreen& screen = game.souboj.screen;
    screen.Summary3.clear();
    if (DescribeUnmetConditions(game, conditions, count, screen.Summary3)) {
        screen.Summary3 += cz(closing) + kLineBreak;
    }
}

}  // namespace

void HoverAction(Game& game, std::int32_t n) {
    handle(game, [&](FightScreen& screen) {
        if (!screen.hasAction(n)) return;
        const TUtok& attack = game.utoky[n];
        screen.Popis_akce = wrapText(attack.popis.view(), 55);
        screen.popisBlack = false;
        screen.Popis_akce_cost = cz("Útok: ") + formulaRange(game, attack.vzorecutoku) +
                                 kLineBreak + cz("Poškození: ") +
                                 formulaRange(game, attack.vzorecposkozeni);
        screen.Label31 = "Energie: " + toText(attack.energie);
        screen.Label32 = "Mana: " + toText(attack.mana);
        screen.costCaptionsShown = true;
        showUnmet(game, attack.podminky, attack.pocetpodminek, "Nesplněny podmínky akce !");
    });
}

void HoverItem(Game& game, std::int32_t n) {
    handle(game, [&](FightScreen& screen) {
        if (!screen.listHas(FightListKind::Items, n)) return;
        const TPredmet& item = game.predmety[n];
        screen.Popis_akce = wrapText(item.popis.view(), 52);
        screen.popisBlack = true;
        showUnmet(game, item.podminky, item.pocetpodminek, "Nesplněny podmínky použití !");
    });
}

void HoverSpell(Game& game, std::int32_t n) {
    handle(game, [&](FightScreen& screen) {
        if (!screen.listHas(FightListKind::Spells, n)) return;
        const TKouzlo& spell = game.kouzla[n];
        screen.Popis_akce = wrapText(spell.popis.view(), 52);
        screen.popisBlack = false;
        screen.costBlue = true;
        screen.Popis_akce_cost = cz("Stojí: ") + toText(spell.cena) + " many";
        showUnmet(game, spell.podminky, spell.pocetpodminek, "Nesplněny podmínky seslání !");
    });
}

void HoverItemButton(Game& game) {
    handle(game, [&](FightScreen& screen) {
        if (screen.buttonsShown && game.souboj.predmetypovoleny) {
            screen.Popis_akce = cz("Použít předmět");
        }
    });
}

void HoverSpellButton(Game& game) {
    handle(game, [&](FightScreen& screen) {
        if (screen.buttonsShown && game.souboj.kouzlapovolena) screen.Popis_akce = "Seslat kouzlo";
    });
}

void HoverPicture(Game& game) {
    handle(game, [](FightScreen& screen) {
        screen.costCaptionsShown = false;
        screen.Summary3.clear();
        screen.Popis_akce.clear();
        screen.Popis_akce_cost.clear();
        screen.costBlue = false;
    });
}

void HoverListPanel(Game& game) {
    handle(game, [](FightScreen& screen) {
        screen.Summary3.clear();
        screen.Popis_akce.clear();
        screen.Popis_akce_cost.clear();
    });
}

void ClickAction(Game& game, std::int32_t n) {
    handle(game, [&](FightScreen&) { PerformAction(game, n); });
}

void ClickItem(Game& game, std::int32_t n) {
    handle(game, [&](FightScreen&) { UseItemInBattle(game, n); });
}

void ClickSpell(Game& game, std::int32_t n) {
    handle(game, [&](FightScreen&) { CastSpellInBattle(game, n); });
}

void ClickItemButton(Game& game) {
    handle(game, [&](FightScreen&) { OpenItemList(game); });
}

void ClickSpellButton(Game& game) {
    handle(game, [&](FightScreen&) { OpenSpellList(game); });
}

void ClickPicture(Game& game) {
    handle(game, [&](FightScreen& screen) {
        if (game.souboj.konecsouboje) screen.open = false;
    });
}

}  // namespace morvane
