#include "check/TableCheck.h"

#include <string>

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "character/ShopFile.h"
#include "check/QuietFrontend.h"
#include "game/ContentLoader.h"
#include "content/EntryLines.h"
#include "content/LineScanner.h"
#include "game/Game.h"
#include "interpreter/Substitute.h"

namespace morvane::check {
namespace {

using LineReader = void (*)(Game&, std::string_view, TailCounts&);

struct TableFile {
    const char* name;
    LineReader read;
    void (*load)(Game&);
    std::int32_t Game::*count;
    std::int32_t GameFacts::*size;
};

// Spells and attacks are substituted before they are read, as the loader does.
const TableFile kTables[] = {
    {"zbrane", [](Game& g, std::string_view l, TailCounts& c) { ParseWeaponLine(l, g.pocitadlopodminek, &c); },
     LoadWeapons, &Game::pocetzbrani, &GameFacts::zbrane},
    {"zbroje", [](Game& g, std::string_view l, TailCounts& c) { ParseArmourLine(l, g.pocitadlopodminek, &c); },
     LoadArmours, &Game::pocetzbroji, &GameFacts::zbroje},
    {"predmety", [](Game& g, std::string_view l, TailCounts& c) { ParseItemLine(l, g.pocitadlopodminek, &c); },
     LoadItems, &Game::pocetpredmetu, &GameFacts::predmety},
    {"kouzla",
     [](Game& g, std::string_view l, TailCounts& c) {
         ParseSpellLine(Substitute(g, l), g.pocitadlopodminek, &c);
     },
     LoadSpells, &Game::pocetkouzel, &GameFacts::kouzla},
    {"utoky",
     [](Game& g, std::string_view l, TailCounts& c) {
         ParseAttackLine(Substitute(g, l), g.pocitadlopodminek, &c);
     },
     LoadAttacks, &Game::pocetutoku, &GameFacts::utoky},
};

// An entry keeps five effects (of each kind, for an attack) and five
// conditions; the reader drops the rest without a word.
void checkTail(const TailCounts& counts, const Place& place, Findings& findings) {
    const auto over = [&](std::int32_t seen, std::int32_t room, const char* what) {
        if (seen > room)
            findings.error(place, cz("víc než ") + toText(room) + cz(what) + toText(seen - room) +
                                      cz(" dalších se nepoužije"));
    };
    over(counts.efekty, kEffectsPerEntry, " účinků, ");
    over(counts.podminky, kConditionsPerEntry, " podmínek, ");
}

// Every entry line through the engine's reader; a table has room for 100.
void checkLines(Game& game, const TableFile& table, const std::string& text, Findings& findings) {
    const std::string file = std::string("data/") + table.name + ".vrn";
    int lineNumber = 0, entries = 0;
    for (const std::string& line : splitLines(text)) {
        ++lineNumber;
        if (line.find(',') == std::string::npos) continue;
        if (++entries > kTableEntries) {
            findings.error({file, lineNumber}, cz("Soubor ") + table.name + cz(".vrn má víc než ") +
                                                   toText(kTableEntries) +
                                                   cz(" položek; další se nenačetly."));
            return;
        }
        try {
            TailCounts counts;
            table.read(game, line, counts);
            checkTail(counts, Place{file, lineNumber}, findings);
        } catch (const MalformedLine& e) {
            findings.error({file, lineNumber}, cz("Chybný řádek ") + toText(lineNumber) +
                                                   cz(" souboru ") + table.name + ".vrn: " + e.what());
        } catch (const ScriptError& e) {
            findings.error({file, lineNumber}, e.what());
        }
    }
}

// A missing table is no mistake, but one that is there and can't be used is:
// play says why (damaged, too large) and goes on without it.
void reportUnread(const GameText& file, const std::string& name, const QuietFrontend& quiet,
                  Findings& findings) {
    if (file || file.status == FileStatus::Unreadable) return;
    for (const std::string& said : quiet.said) findings.error({name, 0}, said);
}

void checkShopFile(Game& game, GameFacts& facts, Findings& findings) {
    QuietFrontend quiet;
    const GameText file = ReadGameFile(game.pribeh.soubory, quiet, "obchod");
    reportUnread(file, "data/obchod.vrn", quiet, findings);
    facts.shopFile = static_cast<bool>(file);
    if (!file) return;
    int lineNumber = 0;
    for (const std::string& line : splitLines(file.text)) {
        ++lineNumber;
        const ShopLineRead read = ReadShopLine(game, line);
        if (!read.cislo) continue;
        const Place place{"data/obchod.vrn", lineNumber};
        if (!facts.shops.insert(*read.cislo).second)
            findings.warning(place, cz("Obchod ") + toText(*read.cislo) +
                                        cz(" je v souboru podruhé; platí první řádek"));
        std::int32_t offered = 0;
        for (const ShopGoodRead& good : read.goods) {
            if (good.offered && ++offered > kMaxGoods)
                findings.warning(place, cz("Obchod ") + toText(*read.cislo) + cz(" má víc než ") +
                                            toText(kMaxGoods) + cz(" druhů zboží; další se nenabízí"));
            if (good.offered) continue;
            const std::string what = good.typ + (good.cislo ? toText(*good.cislo) : "");
            findings.error(place, cz("Obchod ") + toText(*read.cislo) + cz(": zboží '") + what +
                                      cz("' není v tabulkách hry (typ zbran, zbroj nebo predmet a "
                                         "číslo načtené položky)"));
        }
    }
}

}  // namespace

void CheckTables(Game& game, GameFacts& facts, Findings& findings) {
    for (const TableFile& table : kTables) {
        QuietFrontend quiet;
        const GameText file = ReadGameFile(game.pribeh.soubory, quiet, table.name);
        if (file) checkLines(game, table, file.text, findings);
        reportUnread(file, "data/" + std::string(table.name) + ".vrn", quiet, findings);
        game.*table.count = 0;
        try {
            table.load(game);
        } catch (const ScriptError&) {
            // Told line by line above; the table stays empty, as at play.
        }
        facts.*table.size = game.*table.count;
    }
    checkShopFile(game, facts, findings);
}

}  // namespace morvane::check
