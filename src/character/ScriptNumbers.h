#pragma once
// Table entries and variables named by numbers a script wrote. The tables
// have no entries outside their range, so such a number is never used to
// reach memory: the command skips it and the author is told.
#include <cstdint>

#include "base/Table.h"
#include "parser/Command.h"

namespace morvane {

struct Game;

// Tells the author that the command `tag` named number n outside 1..last.
void ReportOutOfRange(Game& game, const tagg& tag, std::int32_t n, std::int32_t last);

// Entry n of `table`, or nullptr (reported) when n is outside the table.
template <class Entry, std::size_t N>
Entry* ScriptEntry(Game& game, const tagg& tag, Table<Entry, N>& table, std::int32_t n) {
    Entry* entry = table.find(n);
    if (entry == nullptr) ReportOutOfRange(game, tag, n, Table<Entry, N>::size());
    return entry;
}

// Integer variable v (1..999), or nullptr (reported) when there is no such variable.
std::int32_t* ScriptVariable(Game& game, const tagg& tag, std::int32_t v);

}  // namespace morvane
