#pragma once
// podminka: a parsed condition. It is stored inside the content records and so
// inside saved positions; its layout is a file layout.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/Endian.h"
#include "base/ShortString.h"

namespace morvane {

struct podminka {
    ShortString<50> levy;          // left operand as written
    ShortString<50> porovnani;     // comparison, made of '<', '=', '>'
    ShortString<50> pravy;         // right operand as written
    std::uint8_t pravyjepromenna;  // 1: right operand is a variable number; 0: a literal
    std::uint8_t predmet;          // 1: left operand is an item number
    std::uint8_t objekt;           // 1: left operand is an object number
    std::int32_t klic;             // key code 0..16, 0 meaning none
    std::int32_t vysledek;         // cached while a location runs: 0 undecided, 1 true, -1 false
    std::int32_t cislo;            // identity of this parsed condition, unique within a run
};

static_assert(sizeof(podminka) == 168);
static_assert(std::is_trivially_copyable_v<podminka>);
static_assert(std::is_standard_layout_v<podminka>);
static_assert(offsetof(podminka, levy) == 0);
static_assert(offsetof(podminka, porovnani) == 51);
static_assert(offsetof(podminka, pravy) == 102);
static_assert(offsetof(podminka, pravyjepromenna) == 153);
static_assert(offsetof(podminka, predmet) == 154);
static_assert(offsetof(podminka, objekt) == 155);
static_assert(offsetof(podminka, klic) == 156);
static_assert(offsetof(podminka, vysledek) == 160);
static_assert(offsetof(podminka, cislo) == 164);

}  // namespace morvane
