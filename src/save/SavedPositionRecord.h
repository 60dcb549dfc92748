#pragma once
// ulozenapozice: a saved-position file, one record with no header. It holds the
// game state, the hero, the six table counts and copies of the six tables.
// At over a megabyte it belongs on the heap, never on the stack.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/Endian.h"
#include "character/HeroRecord.h"
#include "content/ContentRecords.h"
#include "interpreter/GameStateRecord.h"

namespace morvane {

// Table slot 0 holds entry 1. Only the first slots of each table, as many as
// its count, mean anything. The tables follow in a different order from the
// counts: armours come before weapons.
struct ulozenapozice {
    morvane::stavhry stavhry;
    postava hrac;  // including the copies of the equipped weapon and armour
    std::int32_t pocetzbrani;
    std::int32_t pocetzbroji;
    std::int32_t pocetpredmetu;
    std::int32_t pocetobjektu;
    std::int32_t pocetkouzel;
    std::int32_t pocetutoku;
    TZbroj zbroje[kEntriesPerTable];
    TZbran zbrane[kEntriesPerTable];
    TPredmet predmety[kEntriesPerTable];
    obj objekty[kEntriesPerTable];
    TKouzlo kouzla[kEntriesPerTable];
    TUtok utoky[kEntriesPerTable];
};

static_assert(sizeof(ulozenapozice) == 1133648);
static_assert(std::is_trivially_copyable_v<ulozenapozice>);
static_assert(std::is_standard_layout_v<ulozenapozice>);
static_assert(offsetof(ulozenapozice, stavhry) == 0);
static_assert(offsetof(ulozenapozice, hrac) == 8108);
static_assert(offsetof(ulozenapozice, pocetzbrani) == 16024);
static_assert(offsetof(ulozenapozice, pocetzbroji) == 16028);
static_assert(offsetof(ulozenapozice, pocetpredmetu) == 16032);
static_assert(offsetof(ulozenapozice, pocetobjektu) == 16036);
static_assert(offsetof(ulozenapozice, pocetkouzel) == 16040);
static_assert(offsetof(ulozenapozice, pocetutoku) == 16044);
static_assert(offsetof(ulozenapozice, zbroje) == 16048);
static_assert(offsetof(ulozenapozice, zbrane) == 195248);
static_assert(offsetof(ulozenapozice, predmety) == 374848);
static_assert(offsetof(ulozenapozice, objekty) == 548048);
static_assert(offsetof(ulozenapozice, kouzla) == 584848);
static_assert(offsetof(ulozenapozice, utoky) == 752448);

}  // namespace morvane
