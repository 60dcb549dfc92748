#pragma once
// The entry records of the five content tables (weapons, armours, items,
// spells, attacks). Entries are copied whole into the hero record and into
// saved positions, so every layout here is a file layout. Padding bytes are
// explicit members; loaders write them as 0.
//
// Each record holds up to 5 effects and 5 conditions; element 0 of `efekty`
// and `podminky` is the first one.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/Endian.h"
#include "base/ShortString.h"
#include "parser/ConditionRecord.h"
#include "parser/EffectRecord.h"

namespace morvane {

inline constexpr int kEffectsPerEntry = 5;
inline constexpr int kConditionsPerEntry = 5;
// Entries per content table (and per object table), numbered 1 to 100.
inline constexpr int kEntriesPerTable = 100;

// TZbran: a weapon.
struct TZbran {
    std::int32_t cislo;  // number written at the start of the line
    ShortString<100> nazev;
    ShortString<255> popis;
    std::uint8_t pad_361[3];
    kostka utok;             // attack dice
    std::int32_t poskozeni;  // damage bonus
    std::int32_t cena;
    std::int8_t pocetefektu;
    std::uint8_t pad_385[3];
    efekt efekty[kEffectsPerEntry];  // applied while the weapon is equipped
    std::int16_t mnozstvi;           // pieces in the pack
    std::uint8_t pad_950[2];
    std::int32_t pocetpodminek;
    podminka podminky[kConditionsPerEntry];  // conditions for equipping
};

static_assert(sizeof(TZbran) == 1796);
static_assert(std::is_trivially_copyable_v<TZbran>);
static_assert(std::is_standard_layout_v<TZbran>);
static_assert(offsetof(TZbran, cislo) == 0);
static_assert(offsetof(TZbran, nazev) == 4);
static_assert(offsetof(TZbran, popis) == 105);
static_assert(offsetof(TZbran, utok) == 364);
static_assert(offsetof(TZbran, poskozeni) == 376);
static_assert(offsetof(TZbran, cena) == 380);
static_assert(offsetof(TZbran, pocetefektu) == 384);
static_assert(offsetof(TZbran, efekty) == 388);
static_assert(offsetof(TZbran, mnozstvi) == 948);
static_assert(offsetof(TZbran, pocetpodminek) == 952);
static_assert(offsetof(TZbran, podminky) == 956);

// TZbroj: an armour.
struct TZbroj {
    std::int32_t cislo;
    ShortString<100> nazev;
    ShortString<255> popis;
    std::uint8_t pad_361[3];
    std::int32_t obrana;   // defence
    std::int32_t tvrdost;  // toughness
    std::int32_t postih;   // attack penalty
    std::int32_t cena;
    std::int8_t pocetefektu;
    std::uint8_t pad_381[3];
    efekt efekty[kEffectsPerEntry];  // applied while the armour is worn
    std::int16_t mnozstvi;           // pieces in the pack
    std::uint8_t pad_946[2];
    std::int32_t pocetpodminek;
    podminka podminky[kConditionsPerEntry];
};

static_assert(sizeof(TZbroj) == 1792);
static_assert(std::is_trivially_copyable_v<TZbroj>);
static_assert(std::is_standard_layout_v<TZbroj>);
static_assert(offsetof(TZbroj, cislo) == 0);
static_assert(offsetof(TZbroj, nazev) == 4);
static_assert(offsetof(TZbroj, popis) == 105);
static_assert(offsetof(TZbroj, obrana) == 364);
static_assert(offsetof(TZbroj, tvrdost) == 368);
static_assert(offsetof(TZbroj, postih) == 372);
static_assert(offsetof(TZbroj, cena) == 376);
static_assert(offsetof(TZbroj, pocetefektu) == 380);
static_assert(offsetof(TZbroj, efekty) == 384);
static_assert(offsetof(TZbroj, mnozstvi) == 944);
static_assert(offsetof(TZbroj, pocetpodminek) == 948);
static_assert(offsetof(TZbroj, podminky) == 952);

// TPredmet: an item.
struct TPredmet {
    std::int32_t cislo;
    ShortString<50> nazev;
    ShortString<250> popis;
    std::uint8_t pad_306[2];
    std::int32_t cena;
    ShortString<10> druh;  // "boj", "mimoboj" or "vzdy": where it may be used
    std::int8_t pocetefektu;
    efekt efekty[kEffectsPerEntry];  // effects of using the item
    std::int32_t mnozstvi;           // pieces in the pack (32-bit, unlike weapons and armours)
    std::int32_t pocetpodminek;
    podminka podminky[kConditionsPerEntry];
};

static_assert(sizeof(TPredmet) == 1732);
static_assert(std::is_trivially_copyable_v<TPredmet>);
static_assert(std::is_standard_layout_v<TPredmet>);
static_assert(offsetof(TPredmet, cislo) == 0);
static_assert(offsetof(TPredmet, nazev) == 4);
static_assert(offsetof(TPredmet, popis) == 55);
static_assert(offsetof(TPredmet, cena) == 308);
static_assert(offsetof(TPredmet, druh) == 312);
static_assert(offsetof(TPredmet, pocetefektu) == 323);
static_assert(offsetof(TPredmet, efekty) == 324);
static_assert(offsetof(TPredmet, mnozstvi) == 884);
static_assert(offsetof(TPredmet, pocetpodminek) == 888);
static_assert(offsetof(TPredmet, podminky) == 892);

// TKouzlo: a spell.
struct TKouzlo {
    std::int32_t cislo;
    ShortString<50> nazev;
    ShortString<200> popis;
    std::int32_t cena;  // mana cost
    std::int8_t pocetefektu;
    std::uint8_t pad_261[3];
    efekt efekty[kEffectsPerEntry];  // effects of casting
    std::uint8_t umime;              // 1: the hero knows the spell
    std::uint8_t pad_825[7];
    std::int32_t pocetpodminek;
    podminka podminky[kConditionsPerEntry];
};

static_assert(sizeof(TKouzlo) == 1676);
static_assert(std::is_trivially_copyable_v<TKouzlo>);
static_assert(std::is_standard_layout_v<TKouzlo>);
static_assert(offsetof(TKouzlo, cislo) == 0);
static_assert(offsetof(TKouzlo, nazev) == 4);
static_assert(offsetof(TKouzlo, popis) == 55);
static_assert(offsetof(TKouzlo, cena) == 256);
static_assert(offsetof(TKouzlo, pocetefektu) == 260);
static_assert(offsetof(TKouzlo, efekty) == 264);
static_assert(offsetof(TKouzlo, umime) == 824);
static_assert(offsetof(TKouzlo, pocetpodminek) == 832);
static_assert(offsetof(TKouzlo, podminky) == 836);

// TUtok: a combat attack, with three effect lists: always, on a hit, on a miss.
struct TUtok {
    std::int32_t cislo;
    ShortString<50> nazev;
    ShortString<200> popis;
    ShortString<200> textzasahu;        // report of a hit with damage
    ShortString<200> textminuti;        // report of a miss
    ShortString<200> textbezposkozeni;  // report of a hit without damage
    std::uint8_t pad_859[1];
    std::int32_t energie;  // energy cost
    std::int32_t mana;     // mana cost
    ShortString<200> vzorecutoku;
    ShortString<200> vzorecposkozeni;
    std::int8_t pocetvzdy;
    std::uint8_t pad_1271[1];
    efekt efektyvzdy[kEffectsPerEntry];
    std::int8_t pocetzasah;
    std::uint8_t pad_1833[3];
    efekt efektyzasah[kEffectsPerEntry];
    std::int8_t pocetminuti;
    std::uint8_t pad_2397[3];
    efekt efektyminuti[kEffectsPerEntry];
    std::uint8_t umime;  // 1: the hero knows the attack
    std::uint8_t pad_2961[7];
    std::int32_t pocetpodminek;
    podminka podminky[kConditionsPerEntry];
};

static_assert(sizeof(TUtok) == 3812);
static_assert(std::is_trivially_copyable_v<TUtok>);
static_assert(std::is_standard_layout_v<TUtok>);
static_assert(offsetof(TUtok, cislo) == 0);
static_assert(offsetof(TUtok, nazev) == 4);
static_assert(offsetof(TUtok, popis) == 55);
static_assert(offsetof(TUtok, textzasahu) == 256);
static_assert(offsetof(TUtok, textminuti) == 457);
static_assert(offsetof(TUtok, textbezposkozeni) == 658);
static_assert(offsetof(TUtok, energie) == 860);
static_assert(offsetof(TUtok, mana) == 864);
static_assert(offsetof(TUtok, vzorecutoku) == 868);
static_assert(offsetof(TUtok, vzorecposkozeni) == 1069);
static_assert(offsetof(TUtok, pocetvzdy) == 1270);
static_assert(offsetof(TUtok, efektyvzdy) == 1272);
static_assert(offsetof(TUtok, pocetzasah) == 1832);
static_assert(offsetof(TUtok, efektyzasah) == 1836);
static_assert(offsetof(TUtok, pocetminuti) == 2396);
static_assert(offsetof(TUtok, efektyminuti) == 2400);
static_assert(offsetof(TUtok, umime) == 2960);
static_assert(offsetof(TUtok, pocetpodminek) == 2968);
static_assert(offsetof(TUtok, podminky) == 2972);

}  // namespace morvane
