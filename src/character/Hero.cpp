#include "character/Hero.h"

#include "game/Game.h"

namespace morvane {

namespace {

// The definition's triples go to the hero's price tables, which order
// energy before speed.
void setPrices(postava& hero, const TGameInit& definition) {
    const struct {
        InitAttribute from;
        PriceSlot to;
    } pairs[] = {
        {InitAttribute::Zivoty, PriceSlot::Zivoty},
        {InitAttribute::Mana, PriceSlot::Mana},
        {InitAttribute::Sila, PriceSlot::Sila},
        {InitAttribute::Obratnost, PriceSlot::Obratnost},
        {InitAttribute::Energie, PriceSlot::Energie},
        {InitAttribute::Rychlost, PriceSlot::Rychlost},
    };
    for (const auto& pair : pairs) {
        hero.price(pair.to) = definition.firstPrice(pair.from);
        hero.priceStep(pair.to) = definition.priceStep(pair.from);
    }
}

void setAttributes(postava& hero, const TGameInit& definition) {
    hero.zivoty = hero.maxzivoty = definition.startValue(InitAttribute::Zivoty);
    hero.mana = hero.maxmana = definition.startValue(InitAttribute::Mana);
    hero.sila = definition.startValue(InitAttribute::Sila);
    hero.obratnost = definition.startValue(InitAttribute::Obratnost);
    hero.rychlost = definition.startValue(InitAttribute::Rychlost);
    hero.energie = definition.startValue(InitAttribute::Energie);
}

// What an earlier game of the same run may have left behind.
void clearEarlierGame(Game& game) {
    for (obj& object : game.objekty) object = obj{};
    game.pocetobjektu = 0;
    game.bonusy = bonusy{};
    game.vysledeksouboje = 0;
    game.hrac.zasazenvsouboji = 0;
    game.hrac.kouzlavsouboji = 0;
    game.hrac.predmetyvsouboji = 0;
    game.hrac.energievsouboji = 0;
}

}  // namespace

void NewGameHero(Game& game) {
    const TGameInit& definition = game.definice;
    postava& hero = game.hrac;
    // Only the value 1 shows the name-entry screen, so any other value means
    // nobody typed a name and the default one is used.
    if (definition.zadavanijmena != 1) hero.jmeno.assign(definition.jmenohrdiny.view());
    hero.startjmeno.assign(hero.jmeno.view());
    hero.zkusenosti = definition.zkusenosti;
    hero.penize = definition.penize;
    setAttributes(hero, definition);
    SaveStartValues(hero);
    setPrices(hero, definition);
    game.mena = definition.mena.str();  // even when empty: the default is not kept
    clearEarlierGame(game);
}

void SaveStartValues(postava& hero) {
    hero.startsila = hero.sila;
    hero.startobratnost = hero.obratnost;
    hero.startmaxzivoty = hero.maxzivoty;
    hero.startmaxmana = hero.maxmana;
    hero.startrychlost = hero.rychlost;
    hero.startenergie = hero.energie;
}

}  // namespace morvane
