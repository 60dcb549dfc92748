#pragma once
// The line layouts of the five content tables: one entry line in, one fresh
// record out. The lines are taken as they stand; substitution of spell and
// attack lines, and the known flag, are the loader's business.
//
// `counter` is the run-wide condition counter: every condition read takes
// its next value.
//
// A line that lacks a field raises MalformedLine; a number that is not a
// decimal integer raises the ScriptError of the integer conversion.
#include <cstdint>
#include <string_view>

#include "content/ContentRecords.h"

namespace morvane {

TZbran ParseWeaponLine(std::string_view line, std::int32_t& counter);
TZbroj ParseArmourLine(std::string_view line, std::int32_t& counter);
TPredmet ParseItemLine(std::string_view line, std::int32_t& counter);
TKouzlo ParseSpellLine(std::string_view line, std::int32_t& counter);
TUtok ParseAttackLine(std::string_view line, std::int32_t& counter);

}  // namespace morvane
