#include "combat/BattleItems.h"

#include <algorithm>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "combat/BattleConditions.h"
#include "combat/BattleEffect.h"
#include "combat/BattleRound.h"
#include "game/Game.h"

namespace morvane {
namespace {

// The screen has room for this many lines of a list; further entries are not offered.
constexpr std::size_t kMaxListEntries = 20;

bool canOpenList(const Game& game, bool allowed) {
    return game.souboj.screen.open && game.souboj.screen.buttonsShown && allowed;
}

// After an item or a spell: the list and both buttons go until the next round.
void closeListUntilNextRound(FightScreen& screen) {
    screen.listKind = FightListKind::None;
    screen.list.clear();
    screen.buttonsShown = false;
}

}  // namespace

void OpenItemList(Game& game) {
    if (!canOpenList(game, game.souboj.predmetypovoleny)) return;
    FightScreen& screen = game.souboj.screen;
    screen.listKind = FightListKind::Items;
    screen.list.clear();
    for (std::int32_t n = 1; n <= kTableEntries && screen.list.size() < kMaxListEntries; ++n) {
        const TPredmet& item = game.predmety[n];
        if (item.mnozstvi <= 0 || !(item.druh == "boj" || item.druh == "vzdy")) continue;
        std::string caption = item.nazev.str();
        if (item.mnozstvi > 1) caption += " x " + toText(item.mnozstvi);
        const bool usable = AllConditionsHold(game, item.podminky, item.pocetpodminek);
        screen.list.push_back(FightListEntry{n, caption, usable});
    }
}

void OpenSpellList(Game& game) {
    if (!canOpenList(game, game.souboj.kouzlapovolena)) return;
    FightScreen& screen = game.souboj.screen;
    screen.listKind = FightListKind::Spells;
    screen.list.clear();
    for (std::int32_t n = 1; n <= kTableEntries && screen.list.size() < kMaxListEntries; ++n) {
        const TKouzlo& spell = game.kouzla[n];
        if (spell.umime == 0) continue;
        const bool usable = spell.cena <= game.hrac.mana &&
                            AllConditionsHold(game, spell.podminky, spell.pocetpodminek);
        screen.list.push_back(FightListEntry{n, spell.nazev.str(), usable});
    }
}

void UseItemInBattle(Game& game, std::int32_t n) {
    if (!game.souboj.screen.listHas(FightListKind::Items, n) || game.predmety[n].mnozstvi <= 0)
        return;
    FightScreen& screen = game.souboj.screen;
    TPredmet& item = game.predmety[n];
    screen.Summary1.clear();
    screen.Summary2.clear();
    if (DescribeUnmetConditions(game, item.podminky, item.pocetpodminek, screen.Summary1)) {
        screen.Summary1 += cz("Nesplněny podmínky použití!") + kLineBreak;
    } else {
        closeListUntilNextRound(screen);
        game.hrac.predmetyvsouboji = wrapAdd(game.hrac.predmetyvsouboji, 1);
        screen.summary2White = true;
        item.mnozstvi = wrapSub(item.mnozstvi, 1);
        ApplyBattleEffects(game, item.efekty, item.pocetefektu);
    }
    UpdateBattleActions(game);
}

void CastSpellInBattle(Game& game, std::int32_t n) {
    if (!game.souboj.screen.listHas(FightListKind::Spells, n)) return;
    FightScreen& screen = game.souboj.screen;
    const TKouzlo& spell = game.kouzla[n];
    screen.Summary1.clear();
    screen.Summary2.clear();
    const bool unmet =
        DescribeUnmetConditions(game, spell.podminky, spell.pocetpodminek, screen.Summary1);
    if (unmet) screen.Summary1 += cz("Nesplněny podmínky seslání !") + kLineBreak;
    const bool affordable = spell.cena <= game.hrac.mana;
    if (!affordable) screen.Summary1 += cz("Nedostatek many!") + kLineBreak;
    if (!unmet && affordable) {
        game.hrac.mana = wrapSub(game.hrac.mana, spell.cena);
        closeListUntilNextRound(screen);
        game.hrac.kouzlavsouboji = wrapAdd(game.hrac.kouzlavsouboji, 1);
        screen.summary2White = true;
        ApplyBattleEffects(game, spell.efekty, spell.pocetefektu);
    }
    UpdateBattleActions(game);
}

}  // namespace morvane
