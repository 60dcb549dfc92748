#pragma once
// Dice and stat-modifier records. Both are stored inside the content records
// and so inside saved positions; their layouts are file layouts.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/Endian.h"
#include "base/ShortString.h"

namespace morvane {

// kostka: a dice expression such as 2k6+1. The member order is also the order
// in which weapon records store their attack dice.
struct kostka {
    std::int32_t strany;  // sides of each die
    std::int32_t pocet;   // number of dice
    std::int32_t bonus;   // added to the sum, may be negative
};

static_assert(sizeof(kostka) == 12);
static_assert(std::is_trivially_copyable_v<kostka>);
static_assert(offsetof(kostka, strany) == 0);
static_assert(offsetof(kostka, pocet) == 4);
static_assert(offsetof(kostka, bonus) == 8);

// efekt: one stat modifier such as sila+2.
struct efekt {
    ShortString<100> nazev;  // what is modified, lower case ("sila", "promenna", ...)
    char operace;            // '+', '-', '*', '/', '='; '0' when the text had no operator
    std::uint8_t pad_102[2];
    std::int32_t hodnota;  // the amount, never negative when parsed
    std::int32_t cislo;    // number written inside the name (a variable number), 0 if none
};

static_assert(sizeof(efekt) == 112);
static_assert(std::is_trivially_copyable_v<efekt>);
static_assert(std::is_standard_layout_v<efekt>);
static_assert(offsetof(efekt, nazev) == 0);
static_assert(offsetof(efekt, operace) == 101);
static_assert(offsetof(efekt, hodnota) == 104);
static_assert(offsetof(efekt, cislo) == 108);

}  // namespace morvane
