#pragma once
// What each script command reads, as the command table lays it out: its
// attribute names and what their values name (a location, a table entry, a
// file ...), so that a check can tell an author about a misspelled attribute
// or a number that leads nowhere.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::check {

enum class Refers {
    Text,       // any text (with a capacity when it is stored)
    Number,     // a whole number
    Dice,       // dice such as "2k6+1"
    Formula,    // an integer formula
    Location,   // a location number (0 or less: none)
    Weapon, Armour, Item, Spell, Attack, Object,
    Variable,   // 1..999
    StringVariable,  // 1..10
    Shop,       // a shop line of data/obchod.vrn
    Picture,    // a file of obrazky/
    Sound,      // a file of audio/
    Library,    // an include library
    SellKinds,  // what the sell screen buys: "ZBRANE", "PREDMETY", "VSE" ...
};

struct AttributeRule {
    std::string name;
    Refers value = Refers::Text;
    std::size_t capacity = 0;  // longer texts are cut; 0: not stored
};

struct CommandRule {
    std::string command;
    std::vector<AttributeRule> named;
    // Commands whose attribute names are numbers ("<PROMENNA 5="1">"): what
    // the name and the value then name. `anyName`: the name is not read.
    std::optional<Refers> numberedName;
    Refers numberedValue = Refers::Number;
    bool anyName = false;
};

// The rule of a tag name (upper case), or nullptr for a name no command has.
const CommandRule* RuleOf(std::string_view command);

// The known name nearest to `name`, when one is near enough to be a typo.
std::optional<std::string> NearestName(std::string_view name,
                                       const std::vector<std::string>& known);

}  // namespace morvane::check
