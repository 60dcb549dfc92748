#pragma once
// The words of typed commands: numbers, attribute and kind names, and the
// folding that lets a person type a caption with or without its accents.
#include <cstdint>
#include <optional>
#include <string>

#include "character/HeroRecord.h"
#include "character/TradeState.h"

namespace morvane {

// A whole number typed by the player; nothing for anything else.
std::optional<std::int32_t> Number(const std::string& word);

// "zivoty", "mana", "sila", "obratnost", "rychlost", "energie".
std::optional<PriceSlot> Attribute(const std::string& word);

// "zbran", "zbroj", "predmet".
const char* SellKindName(SellKind kind);
std::optional<SellKind> SellKindNamed(const std::string& word);

// The mark of the k-th link of a page for a person, "[a]" to "[z]" ("[link
// 27]" beyond), and the link a typed letter stands for.
std::string LinkMark(std::int32_t k);
std::optional<std::int32_t> LinkLetter(const std::string& word);

// A word as a person may type it: any case, with or without the accents
// ("Vybavení", "vybaveni" both become "vybaveni").
std::string Fold(const std::string& utf8);

}  // namespace morvane
