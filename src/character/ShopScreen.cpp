#include "character/ShopScreen.h"

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/EntryTexts.h"
#include "character/Gear.h"
#include "character/ShopFile.h"
#include "game/Game.h"

namespace morvane {
namespace {

const zbozi* findGood(const Game& game, std::int32_t k) {
    const shop& obchod = game.obchod.obchod;
    if (k < 1 || k > obchod.pocetzbozi) return nullptr;
    return &obchod.zbozi[static_cast<std::size_t>(k - 1)];
}

// The loader let in only goods of the three kinds with a loaded entry.
void addPiece(Game& game, const zbozi& good) {
    if (good.typ == "zbran") {
        addToCount(game.zbrane[good.cislo].mnozstvi, 1);
    } else if (good.typ == "zbroj") {
        addToCount(game.zbroje[good.cislo].mnozstvi, 1);
    } else if (good.typ == "predmet") {
        TPredmet& predmet = game.predmety[good.cislo];
        predmet.mnozstvi = wrapAdd(predmet.mnozstvi, 1);
    }
}

}  // namespace

std::string MoneyLine(const Game& game) {
    return cz("Máme ") + toText(game.hrac.penize) + " " + game.mena;
}

void cmdObchod(Game& game, const tagg& tag) {
    Trade& obchod = game.obchod;
    obchod.cisloobchodu = 1;
    for (const param& p : tag.parametry) {
        if (p.nazev == "CISLO") obchod.cisloobchodu = toInteger(p.hodnota);
    }
    LoadShop(game);
    // A hint left from the last shop would describe a good this one may not have.
    obchod.Label3.clear();
    obchod.Label5.clear();
    game.frontend.showShop();
}

ShopView DescribeShop(const Game& game) {
    ShopView view;
    view.Label1 = "Obchod";
    view.Label2 = MoneyLine(game);
    view.Label3 = game.obchod.Label3;
    view.Label5 = game.obchod.Label5;
    const shop& obchod = game.obchod.obchod;
    for (std::int32_t k = 1; k <= obchod.pocetzbozi; ++k) {
        const zbozi& good = *findGood(game, k);
        view.goods.push_back(ShopGood{good.nazev, good.typ, good.cislo, good.cena, good.popis});
    }
    return view;
}

void HoverGood(Game& game, std::int32_t k) {
    const zbozi* good = findGood(game, k);
    if (good == nullptr) return HoverShopBackground(game);
    game.obchod.Label3 = good->nazev + kTextBreak + good->popis + kTextBreak +
                         "Cena: " + toText(good->cena) + " " + game.mena;
}

void HoverShopBackground(Game& game) { game.obchod.Label3.clear(); }

void HoverShopClose(Game& game) { game.obchod.Label3 = cz("Ukončit obchodování"); }

bool Buy(Game& game, std::int32_t k) {
    const zbozi* good = findGood(game, k);
    if (good == nullptr) return false;
    postava& hrac = game.hrac;
    if (good->cena > hrac.penize) {
        game.obchod.Label5 = cz("Nemáš dostatek peněz!!!");
        return false;
    }
    hrac.penize = wrapSub(hrac.penize, good->cena);
    game.obchod.Label5 = "Koupil jsi " + good->nazev;
    addPiece(game, *good);
    return true;
}

}  // namespace morvane
