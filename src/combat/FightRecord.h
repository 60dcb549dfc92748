#pragma once
// The hero's fight bonuses. They are reset when a fight starts and ends, but
// some of them are read outside fights too (formula markers, the hit-point
// and mana limits), so they live for the whole run.
#include <cstdint>

namespace morvane {

struct bonusy {
    std::int32_t utok = 0;       // attack
    std::int32_t obrana = 0;     // defence
    std::int32_t tvrdost = 0;    // toughness
    std::int32_t poskozeni = 0;  // damage
    std::int32_t maxmana = 0;
    std::int32_t maxzivoty = 0;
    std::int32_t rychlost = 0;  // speed; read only inside fights
};

}  // namespace morvane
