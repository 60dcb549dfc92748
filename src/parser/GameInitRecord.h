#pragma once
// TGameInit: the game definition record, the single 240-byte record of
// data/inicializace.vrn. It is read whole into this struct, so the member
// layout is the file layout; every field sits at its natural alignment.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/Endian.h"
#include "base/ShortString.h"

namespace morvane {

// The six trainable attributes in the order the record stores their triples.
// Note that the hero's price tables (postava::cenaxp) put energy before speed.
enum class InitAttribute : int { Zivoty, Mana, Sila, Obratnost, Rychlost, Energie };

struct TGameInit {
    // Six triples, one per InitAttribute: start value, first raise price, price step.
    std::int32_t vlastnosti[18];
    // Game name, each character stored as its code plus 10, with one trailing
    // character that is not part of the name; holds the plain name once decoded.
    ShortString<31> nazevhry;
    ShortString<30> jmenohrdiny;  // default hero name
    // 1: the player types the hero's name; any other byte value: the default is used.
    // A byte, not bool, because the file may hold any value here.
    std::uint8_t zadavanijmena;
    ShortString<30> titulhry;
    ShortString<32> autor;    // author line of the main menu
    std::int32_t penize;      // starting money
    ShortString<31> mena;     // currency name
    std::int32_t zkusenosti;  // starting experience points

    std::int32_t startValue(InitAttribute a) const { return vlastnosti[triple(a)]; }
    std::int32_t firstPrice(InitAttribute a) const { return vlastnosti[triple(a) + 1]; }
    std::int32_t priceStep(InitAttribute a) const { return vlastnosti[triple(a) + 2]; }

private:
    static constexpr int triple(InitAttribute a) { return 3 * static_cast<int>(a); }
};

static_assert(sizeof(TGameInit) == 240);
static_assert(std::is_trivially_copyable_v<TGameInit>);
static_assert(std::is_standard_layout_v<TGameInit>);
static_assert(offsetof(TGameInit, vlastnosti) == 0);
static_assert(offsetof(TGameInit, nazevhry) == 72);
static_assert(offsetof(TGameInit, jmenohrdiny) == 104);
static_assert(offsetof(TGameInit, zadavanijmena) == 135);
static_assert(offsetof(TGameInit, titulhry) == 136);
static_assert(offsetof(TGameInit, autor) == 167);
static_assert(offsetof(TGameInit, penize) == 200);
static_assert(offsetof(TGameInit, mena) == 204);
static_assert(offsetof(TGameInit, zkusenosti) == 236);

}  // namespace morvane
