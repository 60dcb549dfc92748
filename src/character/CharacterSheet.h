#pragma once
// The character sheet's content and its one rule, training: experience points
// buy one point of an attribute at a price that rises by a step after each
// purchase. Front ends draw these texts as they are and call Train on a click.
#include <array>
#include <string>

#include "character/HeroRecord.h"

namespace morvane {

struct Game;

// The texts of the sheet, named as its controls are.
struct CharacterSheet {
    std::string Jmeno;   // the hero's name
    std::string Label1;  // hit points: "current / maximum"
    std::string Label2;  // mana: "current / maximum"
    std::string Label3;  // strength
    std::string Label4;  // agility
    std::string Label5;  // speed
    std::string Label6;  // energy
    std::string Label7;  // experience points
    std::string Label8;  // the equipped weapon with its attack and damage
    std::string Label9;  // the worn armour with its defence, hardness and attack penalty
    std::array<bool, 6> plus{};  // a plus button is shown, indexed by PriceSlot

    bool plusVisible(PriceSlot attribute) const { return plus[static_cast<int>(attribute)]; }
};

// The sheet as the hero stands now; prepare it again after every purchase.
CharacterSheet PrepareSheet(const Game& game);

// A point can be bought while the experience points cover its price.
bool CanTrain(const Game& game, PriceSlot attribute);

// Buys one point: hit points and mana raise both the value and its maximum.
// The price is paid as it stood, then rises by its step. No limit check runs.
// Returns false and changes nothing when the price is not covered (the
// window never offers such a purchase; a typed command could ask for one).
bool Train(Game& game, PriceSlot attribute);

// The hint shown while the pointer is over a plus button: what it raises and
// its current price ("Zvýšení síly 12 XP").
std::string TrainingHint(const Game& game, PriceSlot attribute);

// The hint over the close button.
std::string CloseHint();

// The caption of an attribute on the sheet ("Životy", "Síla", ...).
std::string AttributeCaption(PriceSlot attribute);

// The sheet's other fixed captions: before the experience points, the
// weapon and the armour.
struct SheetCaptions {
    std::string zkusenosti, zbran, zbroj;
};
SheetCaptions DescribeSheetCaptions();

}  // namespace morvane
