#pragma once
// What the combat screen shows, and the hovers and clicks it passes on. A
// window and the terminal both draw DescribeFight and call these operations;
// neither holds a rule of its own.
//
// Entry numbers are those of the content tables (an action's attack entry,
// a list line's item or spell entry); 0 means nothing is under the pointer.
// Every operation does nothing once the screen is closed. A script failure
// inside one (a bad formula, a condition that is not a number) goes to the
// general error report and the fight goes on; GameEnded passes through.
#include <cstdint>
#include <string>
#include <vector>

#include "combat/FightState.h"

namespace morvane {

struct Game;

struct FightList {
    FightListKind kind = FightListKind::None;  // the heading "Co použiješ?" shows unless None
    std::vector<FightListEntry> entries;
};

// Texts are Windows-1250; a line break inside them is a single CR (word wraps
// of descriptions and conditions insert CR LF).
struct FightView {
    std::string Jmeno;       // enemy name
    std::string Jmeno_hrac;  // hero name
    // Enemy: hit points, attack dice, defence, damage, toughness.
    std::string Label12, Label13, Label14, Label25, Label26;
    // Hero: hit points, mana, speed, energy, attack, defence, damage, toughness.
    std::string Label15, Label16, Label17, Label18, Label19, Label20, Label27, Label28;
    std::string Summary1, Summary2, Summary3;
    bool summary2_white = false;  // lime otherwise
    std::string Popis_akce;
    bool popis_akce_black = false;  // maroon otherwise
    std::string Popis_akce_cost;
    bool popis_akce_cost_blue = false;  // purple otherwise
    std::string Label31, Label32;       // energy and mana cost of the action under the pointer
    bool cost_captions_shown = false;   // Label31 and Label32
    bool items_allowed = false;         // the item button is black with a hand cursor, else grey
    bool spells_allowed = false;        // the same for the spell button
    bool buttons_shown = false;         // both buttons; hidden after an item or spell
    bool open = false;                  // the screen is shown
    bool ended = false;                 // the enemy has fallen
    std::vector<FightAction> actions;   // in table order, four to a row
    FightList list;
};

FightView DescribeFight(const Game& game);

// The screen's fixed captions: the names of the values, the heading of the
// actions, the item and spell buttons and the heading of their list.
struct FightCaptions {
    std::string zivoty, mana, rychlost, energie, utok, obrana, poskozeni, tvrdost;
    std::string akce, predmety, kouzla, copouzijes;
};
FightCaptions DescribeFightCaptions();
bool FightOpen(const Game& game);

// The pointer moves over an action, an item or a spell line (entry n).
void HoverAction(Game& game, std::int32_t n);
void HoverItem(Game& game, std::int32_t n);
void HoverSpell(Game& game, std::int32_t n);
// The pointer moves over the item or the spell button.
void HoverItemButton(Game& game);
void HoverSpellButton(Game& game);
// The pointer moves over the picture of values, or over the list panel.
void HoverPicture(Game& game);
void HoverListPanel(Game& game);

void ClickAction(Game& game, std::int32_t n);
void ClickItem(Game& game, std::int32_t n);
void ClickSpell(Game& game, std::int32_t n);
void ClickItemButton(Game& game);
void ClickSpellButton(Game& game);
// A click on the picture closes the screen once the enemy has fallen.
void ClickPicture(Game& game);

}  // namespace morvane
