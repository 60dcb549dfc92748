#include "game/ContentLoader.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "content/EntryLines.h"
#include "content/LineScanner.h"
#include "game/Game.h"
#include "interpreter/Substitute.h"
#include "parser/GameFiles.h"

namespace morvane {

namespace {

template <class Record>
using ParseLine = Record (*)(std::string_view, std::int32_t&, TailCounts*);

template <class Record>
struct ContentTable {
    std::string_view fileName;  // without its extension
    Table<Record, kTableEntries>& entries;
    std::int32_t& count;
    ParseLine<Record> parse;
};

// Spells and attacks carry $-references and the hero's known flag.
template <class Record>
constexpr bool kSpellOrAttack = requires(Record r) {
    r.umime;
};

std::string malformedText(std::string_view fileName, int lineNumber, const char* what) {
    return cz("Chybný řádek ") + toText(lineNumber) + cz(" souboru ") + std::string(fileName) +
           ".vrn: " + what;
}

std::string overflowText(std::string_view fileName) {
    return cz("Soubor ") + std::string(fileName) + cz(".vrn má víc než ") + toText(kTableEntries) +
           cz(" položek; další se nenačetly.");
}

// Reads the entry lines of one table file into records, without storing any.
template <class Record>
std::vector<Record> readEntries(Game& game, const ContentTable<Record>& table,
                                std::string_view text, std::int32_t first, bool& overflow) {
    std::vector<Record> records;
    int lineNumber = 0;
    for (const std::string& line : splitLines(text)) {
        ++lineNumber;
        if (line.find(',') == std::string::npos) continue;  // comments and blank lines
        const std::int32_t position = first + static_cast<std::int32_t>(records.size()) + 1;
        if (position > kTableEntries) {
            overflow = true;
            break;
        }
        try {
            if constexpr (kSpellOrAttack<Record>) {
                Record record = table.parse(Substitute(game, line), game.pocitadlopodminek, nullptr);
                record.umime = table.entries[position].umime;
                records.push_back(record);
            } else {
                records.push_back(table.parse(line, game.pocitadlopodminek, nullptr));
            }
        } catch (const MalformedLine& e) {
            throw ScriptError(malformedText(table.fileName, lineNumber, e.what()));
        }
    }
    return records;
}

// Appends the entries of the table's file after its current count.
template <class Record>
void loadTable(Game& game, const ContentTable<Record>& table) {
    const GameText file = ReadGameFile(game.pribeh.soubory, game.frontend, table.fileName);
    if (!file) return;
    const std::int32_t first = std::clamp<std::int32_t>(table.count, 0, kTableEntries);
    bool overflow = false;
    const std::vector<Record> records = readEntries(game, table, file.text, first, overflow);
    std::int32_t position = first;
    for (const Record& record : records) table.entries[++position] = record;
    table.count = position;
    if (overflow) game.frontend.showMessage(overflowText(table.fileName));
}

}  // namespace

void LoadWeapons(Game& game) {
    loadTable<TZbran>(game, {"zbrane", game.zbrane, game.pocetzbrani, &ParseWeaponLine});
}

void LoadArmours(Game& game) {
    loadTable<TZbroj>(game, {"zbroje", game.zbroje, game.pocetzbroji, &ParseArmourLine});
}

void LoadItems(Game& game) {
    loadTable<TPredmet>(game, {"predmety", game.predmety, game.pocetpredmetu, &ParseItemLine});
}

void LoadSpells(Game& game) {
    loadTable<TKouzlo>(game, {"kouzla", game.kouzla, game.pocetkouzel, &ParseSpellLine});
}

void LoadAttacks(Game& game) {
    loadTable<TUtok>(game, {"utoky", game.utoky, game.pocetutoku, &ParseAttackLine});
}

void ReloadSpellsAndAttacks(Game& game) {
    game.pocetkouzel = 0;
    game.pocetutoku = 0;
    LoadAttacks(game);
    LoadSpells(game);
}

void LoadContentTables(Game& game) {
    game.pocetzbrani = 0;
    LoadWeapons(game);
    game.pocetzbroji = 0;
    LoadArmours(game);
    game.pocetpredmetu = 0;
    LoadItems(game);
    game.pocetkouzel = 0;
    LoadSpells(game);
    game.pocetutoku = 0;
    LoadAttacks(game);
    for (TKouzlo& spell : game.kouzla) spell.umime = 0;
    for (TUtok& attack : game.utoky) attack.umime = 0;
}

}  // namespace morvane
