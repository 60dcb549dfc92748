#pragma once
// The script commands that set and show the game's variables, rename the
// hero and remember his start attributes.
//
// The per-attribute commands take each attribute name as a variable number.
// A number outside the tables (1..999, strings 1..10) names no variable: the
// attribute is skipped, after its value has been checked like any other.
#include <string>

#include "parser/Command.h"

namespace morvane {

struct Game;

void cmdPromenna(Game& game, const tagg& tag);        // n = value
void cmdNahoda(Game& game, const tagg& tag);          // n = roll of a dice text
void cmdZvysPromennou(Game& game, const tagg& tag);   // n += value
void cmdSnizPromennou(Game& game, const tagg& tag);   // n -= value
void cmdVzorec(Game& game, const tagg& tag);          // n = value of a formula
void cmdRetezec(Game& game, const tagg& tag);         // string k = text
void cmdNastavPromenne(Game& game, const tagg& tag);  // CISLO.. POCET variables = HODNOTA
void cmdVypisujPromenne(Game& game, const tagg& tag);
void cmdNevypisujPromenne(Game& game, const tagg& tag);
void cmdZmenJmeno(Game& game, const tagg& tag);
void cmdUlozPocatecniVlastnosti(Game& game, const tagg& tag);

// The list of all 999 variables on the page, four to a line.
void cmdSeznamPromennych(Game& game, const tagg& tag);
// The two list files in the game folder; a file that cannot be written
// raises ScriptError.
void cmdSeznamPromennychSoubor(Game& game, const tagg& tag);

// The text of the on-screen list (lines end in a single carriage return).
std::string VariableListText(const Game& game);

// The content of a list file: every variable, or only those that are not 0.
std::string VariableFileText(const Game& game, bool nonZeroOnly);

inline constexpr const char* kAllVariablesFile = "seznampromennych_vse.txt";
inline constexpr const char* kNonZeroVariablesFile = "seznampromennych_nenul.txt";

}  // namespace morvane
