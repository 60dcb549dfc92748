#pragma once
// The numbers the terminal prints before the lines of a screen, one
// numbering per screen: a person types the number a line shows, and these
// turn it back into the table entry the core's operations take.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "character/HeroRecord.h"
#include "character/Inventory.h"
#include "character/SellScreen.h"
#include "combat/FightView.h"

namespace morvane {

// The inventory's lines in the order shown: objects, items, weapons, armours.
struct InventoryChoice {
    enum class Kind { Object, Item, Weapon, Armour } kind;
    InventoryLine line;
};
std::vector<InventoryChoice> InventoryChoices(const InventoryView& view);

// The sell screen's lines that are still shown.
std::vector<SellLine> SellChoices(const SellView& view);

// The fight: the actions first, then the lines of the open item or spell list.
struct FightChoice {
    FightListKind list = FightListKind::None;  // None: an action
    std::int32_t entry = 0;
    std::string text;
    bool available = false;  // an action whose conditions hold, a usable line
};
std::vector<FightChoice> FightChoices(const FightView& view);

// The character sheet's attributes, one a line, in the order of its values
// Label1 to Label6.
inline constexpr std::array<PriceSlot, 6> kSheetRows = {
    PriceSlot::Zivoty,    PriceSlot::Mana,     PriceSlot::Sila,
    PriceSlot::Obratnost, PriceSlot::Rychlost, PriceSlot::Energie};

// Line k (from 1) of a numbering, or nothing for a number it doesn't show.
template <class T>
std::optional<T> Chosen(const std::vector<T>& lines, std::optional<std::int32_t> k) {
    if (!k || *k < 1 || *k > static_cast<std::int32_t>(lines.size())) return std::nullopt;
    return lines[static_cast<std::size_t>(*k - 1)];
}

}  // namespace morvane
