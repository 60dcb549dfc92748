#pragma once
// Why the game did not do what the player asked. A window never offers what
// it would refuse; a player who types commands can ask for anything, so the
// terminal answers with one of these.
#include <string>

namespace morvane {

enum class Refusal {
    None,
    UnknownCommand,    // no such command on this screen
    NoSuchEntry,       // no line, item or position of that number
    NotOffered,        // the button or screen is hidden now
    NotEnoughXp,       // training costs more than the experience points
    ItemsNotAllowed,   // the fight forbids items
    SpellsNotAllowed,  // the fight forbids spells
    ListUsed,          // an item or a spell was used already in this round
    FightOver,         // the enemy has fallen: only closing is left
    FightGoesOn,       // the fight can't be left before it ends
    NoPicture,         // the object has no picture to look at
    NotUsable,         // the item can't be used outside a fight
    BadVolume,         // a volume outside 0..255
    NoSuchAttribute,   // training names no attribute of the sheet
};

// The Czech sentence for a refusal (Windows-1250); empty for None.
std::string RefusalText(Refusal refusal);

}  // namespace morvane
