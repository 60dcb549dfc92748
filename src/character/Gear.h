#pragma once
// Where weapons and armours live: the pack counts in their content table and
// the one equipped copy in the hero record. Both kinds follow the same rules,
// so the rules are written once over these two descriptions.
#include <cstdint>
#include <string_view>

#include "base/Table.h"
#include "content/ContentRecords.h"
#include "game/Game.h"

namespace morvane {

template <class Piece>
struct Gear;

template <>
struct Gear<TZbran> {
    static TZbran& equipped(Game& game) { return game.hrac.zbran; }
    static Table<TZbran, kTableEntries>& table(Game& game) { return game.zbrane; }
    static std::int32_t loaded(const Game& game) { return game.pocetzbrani; }
};

template <>
struct Gear<TZbroj> {
    static TZbroj& equipped(Game& game) { return game.hrac.zbroj; }
    static Table<TZbroj, kTableEntries>& table(Game& game) { return game.zbroje; }
    static std::int32_t loaded(const Game& game) { return game.pocetzbroji; }
};

// Weapon and armour counts are 16-bit and wrap, as they do in saved positions.
inline void addToCount(std::int16_t& count, std::int32_t amount) {
    count = static_cast<std::int16_t>(static_cast<std::uint16_t>(count) +
                                      static_cast<std::uint16_t>(amount));
}

}  // namespace morvane
