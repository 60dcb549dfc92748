#pragma once
// The enemy of a fight. One record serves every fight of a run and is never
// cleared: what a fight command leaves out keeps the previous enemy's value.
#include <cstdint>
#include <string>

#include "parser/EffectRecord.h"

namespace morvane {

struct enemy {
    std::string jmeno;           // name shown above the enemy's values
    kostka utok{};               // attack dice
    std::int32_t poskozeni = 0;  // damage added to every hit
    std::int32_t obrana = 0;     // defence, taken off the hero's attack
    std::int32_t tvrdost = 0;    // toughness, taken off the hero's hits
    std::int32_t zivoty = 0;
    std::int32_t maxzivoty = 0;
    std::int32_t xp = 0;  // experience points for felling it
};

}  // namespace morvane
