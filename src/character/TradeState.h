#pragma once
// The state of the shop and the sell screen: the goods of the shop opened
// last, the numbers the two trading commands set, and the texts the two
// windows show that are not read straight from the hero. Front ends draw it
// through DescribeShop and DescribeSell and never change it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// A shop offers at most this many goods.
inline constexpr std::int32_t kMaxGoods = 20;
// The sell screen lists at most this many lines of each kind.
inline constexpr std::int32_t kMaxSellLines = 20;

// zbozi: one good of a shop, filled from its library entry when the shop loads.
struct zbozi {
    std::int32_t cislo = 0;  // library entry number
    std::string nazev;       // name shown in the list
    std::string popis;       // description in the hint (several lines)
    std::string typ;         // "zbran", "zbroj" or "predmet"
    std::int32_t cena = 0;   // price
};

// shop: the goods of the open shop, numbered 1 to pocetzbozi.
struct shop {
    std::array<morvane::zbozi, kMaxGoods> zbozi{};
    std::int32_t pocetzbozi = 0;
};

enum class SellKind { Weapon, Armour, Item };

// One line of the sell screen; it keeps its place when it hides.
struct SellLine {
    SellKind kind = SellKind::Weapon;
    std::int32_t cislo = 0;   // library entry number
    std::int32_t poradi = 0;  // place in the list of its kind, from 1
    std::string text;         // name + " x" + pieces
    bool visible = true;      // hidden once its last piece is sold
};

struct Trade {
    shop obchod;
    std::int32_t cisloobchodu = 1;      // the shop "OBCHOD" opens
    std::int32_t typprodeje = 1;        // which kinds "PRODEJ" buys back (a category code)
    std::int32_t procentoprodeje = 50;  // percentage of the price paid for a piece
    // The shop window: the hint of the entry under the pointer and the result line.
    std::string Label3;
    std::string Label5;
    // The sell window: its hint line and its lines, in screen order.
    std::string Status;
    std::vector<SellLine> radky;
};

}  // namespace morvane
