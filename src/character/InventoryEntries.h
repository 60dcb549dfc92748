#pragma once
// The entries the inventory lists: what a hover or a click may act on.
#include <cstdint>
#include <string>

#include "base/ScriptError.h"
#include "character/HeroRecord.h"
#include "content/ContentRecords.h"
#include "game/Game.h"

namespace morvane {

// Entry n when it has a line on the screen, else nullptr: objects with pieces
// (once any object was defined), and weapons, armours and items with pieces
// among the entries their table loaded.
const obj* ListedObject(const Game& game, std::int32_t n);
const TPredmet* ListedItem(const Game& game, std::int32_t n);
const TZbran* ListedWeapon(const Game& game, std::int32_t n);
const TZbroj* ListedArmour(const Game& game, std::int32_t n);

// The short note a line shows after its name: how an item can be used
// ("Pouze v boji"), a weapon's attack and damage, an armour's defence.
std::string EntryNote(const TPredmet& item);
std::string EntryNote(const TZbran& zbran);
std::string EntryNote(const TZbroj& zbroj);

// Items used from the inventory: those usable outside fights.
bool UsableOutsideFights(const TPredmet& item);

// Runs one click or hover. A script failure ends it, not the screen: it is
// reported and the player may go on (the event answers its default value).
template <class Event>
auto RunInventoryEvent(Game& game, Event event) -> decltype(event()) {
    try {
        return event();
    } catch (const ScriptError& e) {
        game.frontend.reportError(e.what());
        return decltype(event())();
    }
}

}  // namespace morvane
