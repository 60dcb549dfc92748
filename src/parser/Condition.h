#pragma once
// Conditions: parsed from "[...]" brackets and library lines.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parser/ConditionRecord.h"

namespace morvane {

// Reads the condition that starts at index `start` (one past its "[", or 0
// for a library condition, which has none) up to its "]" or the end of the
// text. Every call takes the next value of `counter` as the record's `cislo`.
podminka ParseCondition(std::string_view text, std::size_t start, std::int32_t& counter);

// The same, also giving the key word as written (upper-cased), which the
// record does not keep: authoring tools name a misspelled key with it.
podminka ParseCondition(std::string_view text, std::size_t start, std::int32_t& counter,
                        std::string& keyWord);

// The key words a condition may start with, for authoring tools.
std::vector<std::string_view> ConditionKeyWords();

}  // namespace morvane
