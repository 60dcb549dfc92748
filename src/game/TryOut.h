#pragma once
// Trying a location without playing up to it: a new game that begins at a
// chosen location with chosen values set first, and the author's trace.
// Both programs read the same options here (--start N, --set VARIABLE=VALUE,
// --trace), so they can never understand them differently.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

struct Game;

// One --set: what it names, as the script writes it, and the value in
// Windows-1250. The name is one of "5" (integer variable 5), "RETEZEC2"
// (string variable 2), or a hero value that a command sets, such as "SILA"
// or "PENIZE".
struct VariableSetting {
    std::string nazev;
    std::string hodnota;
};

struct TryOut {
    std::int32_t lokace = 0;                 // 0: location 1, as every new game
    std::vector<VariableSetting> nastaveni;  // in the order given
    bool trace = false;
    // The game starts at once, with no main menu and no name entry.
    bool startsAtOnce() const { return lokace > 0 || !nastaveni.empty(); }
};

// Takes args[i] when it is one of the three options (with its value, moving
// i onto the value) and answers true; false for any other argument. A value
// that can't be right whatever the game (no number, a name no variable has,
// a text too long) leaves its message in `error`.
bool TakeTryOutOption(const std::vector<std::string>& args, std::size_t& i, TryOut& plan,
                      std::string& error);

// The three options' lines of a program's --help, their texts starting at
// `column`.
std::string TryOutUsage(std::size_t column);

// Checks the plan against the game whose definition has been read: the
// story must have the start location. When it has, the next new game starts
// by the plan, without a saved position and with the hero named as the
// definition names him; otherwise `error` says why and nothing changes.
bool ChooseTryOut(Game& game, const TryOut& plan, std::string& error);

// Sets the plan's values in a game that PrepareGame has just made, and makes
// its start location the one the first click goes to.
void ApplyTryOut(Game& game, const TryOut& plan);

}  // namespace morvane
