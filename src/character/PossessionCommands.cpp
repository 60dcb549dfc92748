#include "character/PossessionCommands.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/Gear.h"
#include "character/ScriptNumbers.h"
#include "game/Game.h"
#include "interpreter/Info.h"

namespace morvane {
namespace {

void addAmount(std::int16_t& count, std::int32_t k) { addToCount(count, k); }
void addAmount(std::int32_t& count, std::int32_t k) { count = wrapAdd(count, k); }

// Gains pieces of weapons, armours or items and reports each gain.
template <class Entry>
void gain(Game& game, const tagg& tag, Table<Entry, kTableEntries>& table, std::string_view kind,
          std::string_view colour) {
    for (const param& p : tag.parametry) {
        const std::int32_t n = toInteger(p.nazev);
        const std::int32_t k = toInteger(p.hodnota);
        Entry* entry = ScriptEntry(game, tag, table, n);
        if (entry == nullptr) continue;
        addAmount(entry->mnozstvi, k);
        const std::string quantity = k > 1 ? p.hodnota + " x " : std::string();
        Report(game, cz("Získal jsi ") + quantity + cz(kind) + entry->nazev.str() + "!", colour);
    }
}

// Takes pieces of items or objects away, silently; a count never goes below 0.
template <class Entry>
void lose(Game& game, const tagg& tag, Table<Entry, kTableEntries>& table) {
    for (const param& p : tag.parametry) {
        const std::int32_t n = toInteger(p.nazev);
        const std::int32_t k = toInteger(p.hodnota);
        Entry* entry = ScriptEntry(game, tag, table, n);
        if (entry == nullptr) continue;
        addAmount(entry->mnozstvi, wrapNeg(k));
        if (entry->mnozstvi < 0) entry->mnozstvi = 0;
    }
}

// Teaches (UMIME) or removes (NEUMIME) spells or attacks, reporting every time.
template <class Entry>
void learn(Game& game, const tagg& tag, Table<Entry, kTableEntries>& table,
           std::string_view learned, std::string_view forgotten) {
    for (const param& p : tag.parametry) {
        const bool umime = p.nazev == "UMIME";
        if (!umime && p.nazev != "NEUMIME") continue;
        Entry* entry = ScriptEntry(game, tag, table, toInteger(p.hodnota));
        if (entry == nullptr) continue;
        entry->umime = umime ? 1 : 0;
        Report(game, cz(umime ? learned : forgotten), umime ? "aqua" : "red");
    }
}

// Copies pack counts into variables; an equipped piece is not in the pack.
template <class Entry>
void count(Game& game, const tagg& tag, Table<Entry, kTableEntries>& table) {
    for (const param& p : tag.parametry) {
        std::int32_t* variable = ScriptVariable(game, tag, toInteger(p.nazev));
        const Entry* entry = ScriptEntry(game, tag, table, toInteger(p.hodnota));
        if (variable != nullptr && entry != nullptr) *variable = entry->mnozstvi;
    }
}

// The object the numbered attributes of an OBJEKT command name (the last
// one), after adding their pieces; 0 when they name none in the table.
// `numbered` tells whether any attribute name was a number at all.
std::int32_t gainObjects(Game& game, const tagg& tag, bool& numbered) {
    std::int32_t current = 0;
    numbered = false;
    for (const param& p : tag.parametry) {
        const auto n = parseInteger(p.nazev);
        if (!n || *n <= 0) continue;
        numbered = true;
        const std::int32_t k = toInteger(p.hodnota);
        obj* object = ScriptEntry(game, tag, game.objekty, *n);
        if (object == nullptr) continue;
        addToCount(object->mnozstvi, k);
        current = *n;
    }
    return current;
}

void describeObject(obj& object, const tagg& tag) {
    // A picture belongs to the command that names it, not to the object for good.
    object.obrazek.assign("");
    for (const param& p : tag.parametry) {
        if (p.nazev == "JMENO") object.jmeno.assign(p.hodnota);
        if (p.nazev == "POPIS") object.popis.assign(p.hodnota);
        if (p.nazev == "OBRAZEK") object.obrazek.assign(p.hodnota);
        if (p.nazev == "VYSKA") object.vyska = toInteger(p.hodnota);
        if (p.nazev == "SIRKA") object.sirka = toInteger(p.hodnota);
    }
}

}  // namespace

void cmdZbran(Game& game, const tagg& tag) { gain(game, tag, game.zbrane, "zbraň ", "aqua"); }
void cmdZbroj(Game& game, const tagg& tag) { gain(game, tag, game.zbroje, "zbroj ", "white"); }
void cmdPredmet(Game& game, const tagg& tag) { gain(game, tag, game.predmety, "předmět ", "lime"); }

void cmdObjekt(Game& game, const tagg& tag) {
    bool numbered = false;
    const std::int32_t current = gainObjects(game, tag, numbered);
    if (current == 0) {
        // Without an object there is nothing to define or give; numbers
        // outside the table have been reported already.
        if (!numbered) game.frontend.reportError(tag.nazev + cz(": chybí číslo objektu"));
        return;
    }
    obj& object = game.objekty[current];
    describeObject(object, tag);
    game.pocetobjektu = std::max(game.pocetobjektu, current);
    Report(game, cz("Získal jsi ") + object.jmeno.str() + "!", "silver");
}

void cmdOdstranObjekt(Game& game, const tagg& tag) { lose(game, tag, game.objekty); }
void cmdOdstranPredmet(Game& game, const tagg& tag) { lose(game, tag, game.predmety); }

void cmdKouzlo(Game& game, const tagg& tag) {
    learn(game, tag, game.kouzla, "Umíš nové kouzlo!", "Zapomněl jsi staré kouzlo!");
}
void cmdUtok(Game& game, const tagg& tag) {
    learn(game, tag, game.utoky, "Umíš nový útok!", "Zapomněl jsi starý útok!");
}

void cmdPocetPredmetu(Game& game, const tagg& tag) { count(game, tag, game.predmety); }
void cmdPocetObjektu(Game& game, const tagg& tag) { count(game, tag, game.objekty); }
void cmdPocetZbrani(Game& game, const tagg& tag) { count(game, tag, game.zbrane); }
void cmdPocetZbroji(Game& game, const tagg& tag) { count(game, tag, game.zbroje); }

}  // namespace morvane
