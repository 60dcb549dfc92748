#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

struct Game;

// A copy of `text` with every $-reference replaced by its value: integer and
// string variables, the hero's values and the other special names. Raises
// ScriptError for a number that does not fit 32 bits or "$RETEZEC" without
// digits. Integer variables outside 1..999 read as 0, "$RETEZEC0" as the
// empty text.
std::string Substitute(const Game& game, std::string_view text);

// The hero's attribute with the equipped weapon's and armour's modifiers
// taken out; `nazev` is one of the six trainable names ("sila", "maxzivoty",
// ...), any other name gives 0. The stored attributes are not changed.
std::int32_t PureAttribute(const Game& game, std::string_view nazev);

}  // namespace morvane
