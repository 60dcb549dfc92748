#pragma once
// Pieces of text that the shop, the sell screen and the inventory all write
// about library entries.
#include <cstdint>
#include <string>

#include "base/Numbers.h"
#include "parser/EffectRecord.h"

namespace morvane {

// Line breaks inside the screens' texts are a single carriage return; the
// word wrap of descriptions inserts CR LF.
inline constexpr char kTextBreak = '\r';

// A bonus with its own sign, so that a negative one reads "1k6-2", not "1k6+-2".
inline std::string SignedText(std::int32_t value) { return (value < 0 ? "" : "+") + toText(value); }

// Attack dice as the screens show them: count, "k", sides, bonus ("1k6+1").
inline std::string DiceText(const kostka& dice) {
    return toText(dice.pocet) + "k" + toText(dice.strany) + SignedText(dice.bonus);
}

// Pieces in a list line: the name alone for one piece, "name x 3" for more.
inline std::string CountedName(const std::string& name, std::int32_t pieces) {
    return pieces < 2 ? name : name + " x " + toText(pieces);
}

}  // namespace morvane
