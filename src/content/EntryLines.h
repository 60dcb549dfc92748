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

// How many effect and condition tokens a line's tail holds, kept or not:
// past kEffectsPerEntry and kConditionsPerEntry the records drop them, which
// an authoring tool wants to tell. For an attack, `efekty` is the longest
// of its three effect lists.
struct TailCounts {
    std::int32_t efekty = 0;
    std::int32_t podminky = 0;
};

TZbran ParseWeaponLine(std::string_view line, std::int32_t& counter, TailCounts* counts = nullptr);
TZbroj ParseArmourLine(std::string_view line, std::int32_t& counter, TailCounts* counts = nullptr);
TPredmet ParseItemLine(std::string_view line, std::int32_t& counter, TailCounts* counts = nullptr);
TKouzlo ParseSpellLine(std::string_view line, std::int32_t& counter, TailCounts* counts = nullptr);
TUtok ParseAttackLine(std::string_view line, std::int32_t& counter, TailCounts* counts = nullptr);

}  // namespace morvane
