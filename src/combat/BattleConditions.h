#pragma once
// The use conditions of attacks, items and spells as the fight reads them,
// and the one line break of the fight's texts.
#include <cstdint>
#include <string>

#include "parser/ConditionRecord.h"

namespace morvane {

struct Game;

// Line breaks inside the fight's texts are a single carriage return.
inline constexpr char kLineBreak = '\r';

// Decides every condition of an entry (all of them, also after one failed);
// true when all hold. `count` is the entry's stored count, read as 0..5.
bool AllConditionsHold(const Game& game, const podminka* conditions, std::int32_t count);

// Appends "Nutno: " and the description of every condition that fails, each
// wrapped at 33 columns and ended by a line break; true when one failed.
bool DescribeUnmetConditions(const Game& game, const podminka* conditions, std::int32_t count,
                             std::string& text);

// The number of stored effects or conditions an entry's count allows (0..5).
std::int32_t EntryCount(std::int32_t count);

}  // namespace morvane
