#pragma once
// stavhry: the game state that is not the hero (variables, locations, menu,
// colours, switches, names), and polozkamenu: one menu item. stavhry is saved
// whole at the start of every saved position, so its layout is a file layout.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/Endian.h"
#include "base/ShortString.h"

namespace morvane {

inline constexpr int kIntegerVariables = 999;
inline constexpr int kStringVariables = 10;
inline constexpr int kMenuItems = 20;

struct polozkamenu {
    std::int32_t cil;  // target location; 0 or less: a plain line, not a link
    ShortString<100> text;
    std::uint8_t pad_105[3];
    std::int32_t barva;  // colour, 0x00BBGGRR or a system colour
};

static_assert(sizeof(polozkamenu) == 112);
static_assert(std::is_trivially_copyable_v<polozkamenu>);
static_assert(std::is_standard_layout_v<polozkamenu>);
static_assert(offsetof(polozkamenu, cil) == 0);
static_assert(offsetof(polozkamenu, text) == 4);
static_assert(offsetof(polozkamenu, barva) == 108);

// Tables numbered from 1 in scripts are plain C arrays here: element 0 holds
// entry 1 (variable 1, string variable 1, menu item 1).
struct stavhry {
    std::int32_t promenne[kIntegerVariables];    // integer variables 1..999
    ShortString<100> retezce[kStringVariables];  // string variables 1..10
    ShortString<100> knihovna;  // library whose text replaced the story; empty: the story
    std::uint8_t pad_5107[1];
    std::int32_t lokace;           // location being shown
    std::int32_t predchozilokace;  // location shown before it
    std::int32_t barvamenu;        // default colour of new menu items
    std::int32_t barvatextu;       // default colour of page text
    std::int32_t barvaotazky;      // colour of the menu heading
    ShortString<100> otazka;       // the menu heading
    ShortString<100> hudba;        // music playing when the position was saved
    std::uint8_t pad_5330[2];
    std::int32_t druhhudby;  // kind of that music: 0 none, 1 stream, 2 track
    std::uint8_t prefixzapnut;
    std::uint8_t suffixzapnut;
    ShortString<100> nazevprefixu;  // prefix library name when saved
    ShortString<100> nazevsuffixu;  // suffix library name when saved
    std::uint8_t postavapovolena;   // the character-sheet button is shown
    std::uint8_t vybavenipovoleno;  // the equipment button is shown
    std::uint8_t pad_5542[2];
    polozkamenu menu[kMenuItems];  // menu items 1..20
    std::int32_t pocetpolozek;     // menu items in use
    // No rule reads or writes these bytes; they are kept as loaded.
    std::uint8_t reserved_7788[108];
    ShortString<100> titulhry;  // game title, checked when a position is loaded
    ShortString<100> nazevhry;  // decoded game name, checked when a position is loaded
    std::uint8_t pad_8098[2];
    std::int32_t cislalokaci;      // > 0: location numbers are shown
    std::int32_t vypisujpromenne;  // > 0: variable changes are reported
};

static_assert(sizeof(stavhry) == 8108);
static_assert(std::is_trivially_copyable_v<stavhry>);
static_assert(std::is_standard_layout_v<stavhry>);
static_assert(offsetof(stavhry, promenne) == 0);
static_assert(offsetof(stavhry, retezce) == 3996);
static_assert(offsetof(stavhry, knihovna) == 5006);
static_assert(offsetof(stavhry, lokace) == 5108);
static_assert(offsetof(stavhry, predchozilokace) == 5112);
static_assert(offsetof(stavhry, barvamenu) == 5116);
static_assert(offsetof(stavhry, barvatextu) == 5120);
static_assert(offsetof(stavhry, barvaotazky) == 5124);
static_assert(offsetof(stavhry, otazka) == 5128);
static_assert(offsetof(stavhry, hudba) == 5229);
static_assert(offsetof(stavhry, druhhudby) == 5332);
static_assert(offsetof(stavhry, prefixzapnut) == 5336);
static_assert(offsetof(stavhry, suffixzapnut) == 5337);
static_assert(offsetof(stavhry, nazevprefixu) == 5338);
static_assert(offsetof(stavhry, nazevsuffixu) == 5439);
static_assert(offsetof(stavhry, postavapovolena) == 5540);
static_assert(offsetof(stavhry, vybavenipovoleno) == 5541);
static_assert(offsetof(stavhry, menu) == 5544);
static_assert(offsetof(stavhry, pocetpolozek) == 7784);
static_assert(offsetof(stavhry, titulhry) == 7896);
static_assert(offsetof(stavhry, nazevhry) == 7997);
static_assert(offsetof(stavhry, cislalokaci) == 8100);
static_assert(offsetof(stavhry, vypisujpromenne) == 8104);

}  // namespace morvane
