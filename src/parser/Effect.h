#pragma once
// Stat modifiers («sila+2») as written in tables and scripts.
#include <cstdint>
#include <string>
#include <string_view>

#include "parser/EffectRecord.h"

namespace morvane {

// Reads a modifier text: a name with an optional number inside («promenna12»),
// an operator and an amount. An operator without a digit after it raises the
// integer conversion error.
efekt ParseEffect(std::string_view text);

// 0 all, 1 weapons, 2 armours, 3 items, 4 weapons+armours, 5 weapons+items,
// 6 armours+items.
std::int32_t CategoryCode(std::string_view word);

}  // namespace morvane
