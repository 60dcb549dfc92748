#include "character/SellScreen.h"

#include <algorithm>
#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/EntryTexts.h"
#include "character/Gear.h"
#include "character/ShopScreen.h"
#include "game/Game.h"
#include "parser/Effect.h"

namespace morvane {
namespace {

// What a line shows and sells of an entry, whatever its kind.
struct Ware {
    std::string_view nazev;
    std::string_view popis;
    std::int32_t cena = 0;
    std::int32_t mnozstvi = 0;
};

Ware ware(const Game& game, SellKind kind, std::int32_t n) {
    switch (kind) {
        case SellKind::Weapon: {
            const TZbran& e = game.zbrane[n];
            return Ware{e.nazev.view(), e.popis.view(), e.cena, e.mnozstvi};
        }
        case SellKind::Armour: {
            const TZbroj& e = game.zbroje[n];
            return Ware{e.nazev.view(), e.popis.view(), e.cena, e.mnozstvi};
        }
        case SellKind::Item: {
            const TPredmet& e = game.predmety[n];
            return Ware{e.nazev.view(), e.popis.view(), e.cena, e.mnozstvi};
        }
    }
    return Ware{};
}

void takePiece(Game& game, SellKind kind, std::int32_t n) {
    switch (kind) {
        case SellKind::Weapon:
            addToCount(game.zbrane[n].mnozstvi, -1);
            break;
        case SellKind::Armour:
            addToCount(game.zbroje[n].mnozstvi, -1);
            break;
        case SellKind::Item:
            game.predmety[n].mnozstvi = wrapSub(game.predmety[n].mnozstvi, 1);
            break;
    }
}

std::int32_t loadedCount(const Game& game, SellKind kind) {
    const std::int32_t count = kind == SellKind::Weapon   ? game.pocetzbrani
                               : kind == SellKind::Armour ? game.pocetzbroji
                                                          : game.pocetpredmetu;
    return std::clamp<std::int32_t>(count, 0, kTableEntries);
}

// Which kinds each category code lists (0 all, 1 weapons, 2 armours, 3 items,
// 4 weapons and armours, 5 weapons and items, 6 armours and items).
bool listsKind(std::int32_t code, SellKind kind) {
    switch (kind) {
        case SellKind::Weapon:
            return code == 0 || code == 1 || code == 4 || code == 5;
        case SellKind::Armour:
            return code == 0 || code == 2 || code == 4 || code == 6;
        case SellKind::Item:
            return code == 0 || code == 3 || code == 5 || code == 6;
    }
    return false;
}

std::string lineText(const Ware& w) { return std::string(w.nazev) + " x" + toText(w.mnozstvi); }

// Lists the pieces of one kind that have a price, at most kMaxSellLines of them.
void addLines(Game& game, SellKind kind) {
    std::int32_t poradi = 0;
    for (std::int32_t n = 1; n <= loadedCount(game, kind) && poradi < kMaxSellLines; ++n) {
        const Ware w = ware(game, kind, n);
        if (w.mnozstvi <= 0 || w.cena <= 0) continue;
        game.obchod.radky.push_back(SellLine{kind, n, ++poradi, lineText(w), true});
    }
}

SellLine* visibleLine(Game& game, SellKind kind, std::int32_t n) {
    for (SellLine& line : game.obchod.radky) {
        if (line.kind == kind && line.cislo == n && line.visible) return &line;
    }
    return nullptr;
}

// ⌊price × percent ÷ 100⌋, exactly: a floating-point product would round some
// prices down by one (29 at 100 % must pay 29, not 28.999...).
std::int32_t percentOf(std::int32_t price, std::int32_t percent) {
    const std::int64_t product = std::int64_t{price} * percent;
    std::int64_t quotient = product / 100;
    if (product % 100 != 0 && product < 0) --quotient;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(quotient));
}

}  // namespace

void cmdProdej(Game& game, const tagg& tag) {
    Trade& obchod = game.obchod;
    obchod.typprodeje = 1;
    obchod.procentoprodeje = 50;
    for (const param& p : tag.parametry) {
        if (p.nazev == "TYP") obchod.typprodeje = CategoryCode(p.hodnota);
        if (p.nazev == "PROCENT") obchod.procentoprodeje = toInteger(p.hodnota);
    }
    obchod.Status.clear();
    obchod.radky.clear();
    for (SellKind kind : {SellKind::Weapon, SellKind::Armour, SellKind::Item}) {
        if (listsKind(obchod.typprodeje, kind)) addLines(game, kind);
    }
    game.frontend.showSell();
    obchod.radky.clear();
}

SellView DescribeSell(const Game& game) {
    return SellView{"Prodej", MoneyLine(game), game.obchod.Status, game.obchod.radky};
}

std::int32_t SellPrice(const Game& game, SellKind kind, std::int32_t n) {
    if (n < 1 || n > kTableEntries) return 0;
    return percentOf(ware(game, kind, n).cena, game.obchod.procentoprodeje);
}

void HoverSellLine(Game& game, SellKind kind, std::int32_t n) {
    if (visibleLine(game, kind, n) == nullptr) return HoverSellBackground(game);
    const Ware w = ware(game, kind, n);
    game.obchod.Status = cz("Prodejní cena: ") + toText(SellPrice(game, kind, n)) + " (hodnota " +
                         toText(w.cena) + ") " + game.mena + kTextBreak + std::string(w.popis);
}

void HoverSellBackground(Game& game) { game.obchod.Status.clear(); }

std::string SaleReport(const Game& game, SellKind kind, std::int32_t n) {
    return cz("Prodal jsi ") + std::string(ware(game, kind, n).nazev) + " za " +
           toText(SellPrice(game, kind, n)) + " " + game.mena;
}

bool Sell(Game& game, SellKind kind, std::int32_t n) {
    SellLine* line = visibleLine(game, kind, n);
    if (line == nullptr) return false;
    takePiece(game, kind, n);
    game.hrac.penize = wrapAdd(game.hrac.penize, SellPrice(game, kind, n));
    const Ware w = ware(game, kind, n);
    line->text = lineText(w);
    line->visible = w.mnozstvi >= 1;
    return true;
}

}  // namespace morvane
