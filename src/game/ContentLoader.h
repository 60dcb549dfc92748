#pragma once
// Reading the five content tables from the game's files: weapons ("zbrane"),
// armours ("zbroje"), items ("predmety"), spells ("kouzla") and attacks
// ("utoky"), one entry a line. Entry n is the n-th line that holds a ",",
// whatever number the line itself carries.
//
// Each loader appends after the table's current count (the caller sets it to
// 0 first). A missing file leaves the table as it is, without a message.
//
// A number that is not a decimal integer raises the integer conversion
// error; a line that lacks a field (a quote, a number, a "," or a "]") raises
// ScriptError "Chybný řádek N souboru NAME.vrn: ...". Either way the table
// keeps what it held before the call: the file is read whole before any
// entry is stored. Entry lines beyond the hundredth are not read; one message
// says so.
//
// Spell and attack lines are substituted first, so their $-references take
// the values of the moment; their known flag is not in the line and stays
// with the entry's position, so reloading keeps what the hero has learned.
// Every other field of an entry, the pack count included, starts at 0.
namespace morvane {

struct Game;

void LoadWeapons(Game& game);
void LoadArmours(Game& game);
void LoadItems(Game& game);
void LoadSpells(Game& game);
void LoadAttacks(Game& game);

// Empties the spell and attack tables and reads attacks, then spells, again
// with the variables as they stand now. The hero's known flags stay.
void ReloadSpellsAndAttacks(Game& game);

// The tables of a new game: all five emptied and read in the order weapons,
// armours, items, spells, attacks, then every spell and attack made unknown.
void LoadContentTables(Game& game);

}  // namespace morvane
