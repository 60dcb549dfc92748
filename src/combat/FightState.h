#pragma once
// The state of the current (or last) fight: the fight's own switches, the
// values of the hero's last action, and everything the combat screen shows
// that is not read straight from the hero or the enemy. A front end draws
// this through DescribeFight (combat/FightView.h) and never changes it.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// The five values of the hero's last action, which attack texts quote.
struct BattleMarkers {
    std::int32_t utok = 0;       // attack roll (#utok)
    std::int32_t nobrana = 0;    // enemy defence (#nobrana)
    std::int32_t poskozeni = 0;  // damage roll (#poskozeni)
    std::int32_t ntvrdost = 0;   // enemy toughness (#ntvrdost)
    std::int32_t zasah = 0;      // the hit (#zasah)
};

// One learned attack on the screen. A grey (not enabled) action can still be
// clicked: the click reports the conditions that fail.
struct FightAction {
    std::int32_t entry = 0;  // attack table entry
    std::string text;        // caption, fixed when the fight starts
    bool enabled = false;    // all its conditions held at the last update
};

// One line of the item or spell list. An unusable line can still be clicked.
struct FightListEntry {
    std::int32_t entry = 0;  // item or spell table entry
    std::string text;
    bool usable = false;  // white; yellow when not
};

enum class FightListKind { None, Items, Spells };

// The screen's own texts and switches.
struct FightScreen {
    bool open = false;            // the screen is shown; rules close it
    std::string Summary1;         // the enemy's attack, refusals
    std::string Summary2;         // the hero's action and the effect reports
    std::string Summary3;         // unmet conditions of the entry under the pointer
    bool summary2White = false;   // white after an item or spell, lime after a round
    std::string Popis_akce;       // description of the entry under the pointer
    bool popisBlack = false;      // an item's description is black, others maroon
    std::string Popis_akce_cost;  // attack and damage range, or a spell's cost
    bool costBlue = false;        // blue for a spell's cost, purple otherwise
    std::string Label31;          // energy cost of the action under the pointer
    std::string Label32;          // mana cost of the action under the pointer
    bool costCaptionsShown = false;
    // The item and spell buttons; hidden after an item or spell until the next round.
    bool buttonsShown = true;
    std::vector<FightAction> actions;
    FightListKind listKind = FightListKind::None;  // the open list, with its heading
    std::vector<FightListEntry> list;

    // Operations act only on entries the screen offers.
    bool hasAction(std::int32_t n) const {
        return std::any_of(actions.begin(), actions.end(),
                           [n](const FightAction& a) { return a.entry == n; });
    }
    bool listHas(FightListKind kind, std::int32_t n) const {
        return listKind == kind &&
               std::any_of(list.begin(), list.end(),
                           [n](const FightListEntry& e) { return e.entry == n; });
    }
};

struct FightState {
    std::int32_t neumirej = 0;     // above 0: the hero cannot die in this fight
    bool kouzlapovolena = true;    // spells may be cast
    bool predmetypovoleny = true;  // items may be used
    bool konecsouboje = false;     // the enemy of this fight has fallen
    BattleMarkers znacky;
    FightScreen screen;
};

}  // namespace morvane
