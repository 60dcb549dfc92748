#pragma once
// postava: the hero record, and obj: a story object. Both are stored whole in
// saved positions, so their layouts are file layouts.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/Endian.h"
#include "base/ShortString.h"
#include "content/ContentRecords.h"

namespace morvane {

// Index into postava::cenaxp and postava::prirustekceny. The order differs from
// the attribute fields and from TGameInit: energy comes before speed here.
enum class PriceSlot : int { Zivoty, Mana, Sila, Obratnost, Energie, Rychlost };

struct postava {
    ShortString<100> jmeno;       // current name
    ShortString<100> startjmeno;  // name at the start of the game
    // Never read or written by any rule, but kept: it travels with saved positions.
    std::uint8_t reserved_202[3998];
    std::int32_t penize;
    std::int32_t zkusenosti;
    std::uint8_t zasazenvsouboji;  // 1: hit in the current or last fight
    std::uint8_t pad_4209[3];
    std::int32_t kouzlavsouboji;    // spells cast in the current or last fight
    std::int32_t predmetyvsouboji;  // items used in the current or last fight
    std::int32_t sila;
    std::int32_t obratnost;
    std::int32_t zivoty;
    std::int32_t maxzivoty;
    std::int32_t mana;
    std::int32_t maxmana;
    std::int32_t rychlost;
    std::int32_t energie;
    std::int32_t startsila;
    std::int32_t startobratnost;
    std::int32_t startmaxzivoty;
    std::int32_t startmaxmana;
    std::int32_t startrychlost;
    std::int32_t startenergie;
    std::int32_t energievsouboji;   // energy pool during a fight
    TZbran zbran;                   // copy of the equipped weapon; cislo 0 is an empty slot
    TZbroj zbroj;                   // copy of the equipped armour; cislo 0 is an empty slot
    std::int32_t cenaxp[6];         // XP price of the next raise, indexed by PriceSlot
    std::int32_t prirustekceny[6];  // price rise after each raise, indexed by PriceSlot

    std::int32_t& price(PriceSlot s) { return cenaxp[static_cast<int>(s)]; }
    std::int32_t price(PriceSlot s) const { return cenaxp[static_cast<int>(s)]; }
    std::int32_t& priceStep(PriceSlot s) { return prirustekceny[static_cast<int>(s)]; }
    std::int32_t priceStep(PriceSlot s) const { return prirustekceny[static_cast<int>(s)]; }
};

static_assert(sizeof(postava) == 7916);
static_assert(std::is_trivially_copyable_v<postava>);
static_assert(std::is_standard_layout_v<postava>);
static_assert(offsetof(postava, jmeno) == 0);
static_assert(offsetof(postava, startjmeno) == 101);
static_assert(offsetof(postava, reserved_202) == 202);
static_assert(offsetof(postava, penize) == 4200);
static_assert(offsetof(postava, zkusenosti) == 4204);
static_assert(offsetof(postava, zasazenvsouboji) == 4208);
static_assert(offsetof(postava, kouzlavsouboji) == 4212);
static_assert(offsetof(postava, predmetyvsouboji) == 4216);
static_assert(offsetof(postava, sila) == 4220);
static_assert(offsetof(postava, obratnost) == 4224);
static_assert(offsetof(postava, zivoty) == 4228);
static_assert(offsetof(postava, maxzivoty) == 4232);
static_assert(offsetof(postava, mana) == 4236);
static_assert(offsetof(postava, maxmana) == 4240);
static_assert(offsetof(postava, rychlost) == 4244);
static_assert(offsetof(postava, energie) == 4248);
static_assert(offsetof(postava, startsila) == 4252);
static_assert(offsetof(postava, startobratnost) == 4256);
static_assert(offsetof(postava, startmaxzivoty) == 4260);
static_assert(offsetof(postava, startmaxmana) == 4264);
static_assert(offsetof(postava, startrychlost) == 4268);
static_assert(offsetof(postava, startenergie) == 4272);
static_assert(offsetof(postava, energievsouboji) == 4276);
static_assert(offsetof(postava, zbran) == 4280);
static_assert(offsetof(postava, zbroj) == 6076);
static_assert(offsetof(postava, cenaxp) == 7868);
static_assert(offsetof(postava, prirustekceny) == 7892);

// obj: a story object (key, letter, ...) defined by the script.
struct obj {
    ShortString<50> jmeno;
    ShortString<250> popis;
    ShortString<50> obrazek;  // picture name in the story pictures folder
    std::uint8_t pad_353[3];
    std::int32_t vyska;     // picture height
    std::int32_t sirka;     // picture width
    std::int16_t mnozstvi;  // pieces owned
    std::uint8_t pad_366[2];
};

static_assert(sizeof(obj) == 368);
static_assert(std::is_trivially_copyable_v<obj>);
static_assert(std::is_standard_layout_v<obj>);
static_assert(offsetof(obj, jmeno) == 0);
static_assert(offsetof(obj, popis) == 51);
static_assert(offsetof(obj, obrazek) == 302);
static_assert(offsetof(obj, vyska) == 356);
static_assert(offsetof(obj, sirka) == 360);
static_assert(offsetof(obj, mnozstvi) == 364);

}  // namespace morvane
