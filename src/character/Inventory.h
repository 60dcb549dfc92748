#pragma once
// The inventory screen, opened by the player between moves: the money, four
// lists built from the pack counts, a hint for the entry under the pointer,
// and the three things a click does (use an item, equip a weapon or an
// armour, look at an object's picture). A window and the terminal both draw
// DescribeInventory and call these operations; neither holds a rule of its own.
//
// Entry numbers are those of the tables; an operation on a number that has
// no line in its list does nothing. A script failure inside one (a condition
// that is not a number) goes to the general error report and the screen stays
// as it was; GameEnded passes through.
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

struct Game;

struct InventoryLine {
    std::int32_t cislo = 0;  // table entry
    std::string text;        // name, or "name x 3" for several pieces
    bool clickable = false;  // hand cursor: a click does something
    bool maroon = false;     // an object with a picture; other lines in the normal colour
    std::string note;        // how an item is used, a weapon's or an armour's values
};

// Texts are Windows-1250; a line break inside them is a single CR (word wraps
// of descriptions and conditions insert CR LF). Each column's lines stand 17
// pixels apart from y = 55; the armours follow the weapons in their column.
struct InventoryView {
    std::string Label9;   // the currency name, first letter in upper case
    std::string Prachy;   // the money
    std::string Label1;   // caption "Předměty" over the objects
    std::string Label3;   // caption "Inventář" over the items
    std::string Label5;   // caption "Zbraně a zbroje" over the weapons and armours
    std::string Status;   // hint of the entry under the pointer
    std::string Status2;  // results of this opening's uses and equips
    std::vector<InventoryLine> objekty;
    std::vector<InventoryLine> predmety;
    std::vector<InventoryLine> zbrane;
    std::vector<InventoryLine> zbroje;
};

// The player opens the screen: the hint and the results of an earlier opening go.
void OpenInventory(Game& game);

InventoryView DescribeInventory(const Game& game);

// The pointer moves over a line (entry n), over the close button, or over the
// background. Over the background both hints are emptied once the clock has
// passed the moment of the last use or equip.
void HoverInventoryObject(Game& game, std::int32_t n);
void HoverInventoryItem(Game& game, std::int32_t n);
void HoverInventoryWeapon(Game& game, std::int32_t n);
void HoverInventoryArmour(Game& game, std::int32_t n);
void HoverInventoryClose(Game& game);
void HoverInventoryBackground(Game& game);

// Uses one piece of item n (only items usable outside fights), after its
// conditions: true when used. The results go to Status2.
bool UseItem(Game& game, std::int32_t n);

enum class GearSlot { Weapon, Armour };

// Equips weapon or armour n from the pack after its conditions: the piece
// worn so far goes back to the pack and the bonuses swap. True when equipped.
bool EquipFromInventory(Game& game, GearSlot slot, std::int32_t n);

// Shows object n's picture in the picture window; false when the object has
// no picture (its click does nothing).
bool ViewObject(Game& game, std::int32_t n);

}  // namespace morvane
