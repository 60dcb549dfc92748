#pragma once
// The shop: the script command that opens it, what its window shows, and the
// hovers and clicks the window passes on. A window and the terminal both draw
// DescribeShop and call these operations; neither holds a rule of its own.
//
// Goods are numbered 1 to the number of goods; any other number is the
// background (a hover empties the hint, a click does nothing).
#include <cstdint>
#include <string>
#include <vector>

#include "parser/Command.h"

namespace morvane {

struct Game;

struct ShopGood {
    std::string text;        // the line: the good's name
    std::string typ;         // "zbran", "zbroj" or "predmet"
    std::int32_t cislo = 0;  // library entry number
    std::int32_t cena = 0;
    std::string popis;       // the description the hint shows
};

// Texts are Windows-1250; a line break inside them is a single CR (the word
// wrap of descriptions inserts CR LF).
struct ShopView {
    std::string Label1;           // caption "Obchod"
    std::string Label2;           // "Máme 12 zlaťáků": the money, centred under the caption
    std::string Label3;           // hint of the good under the pointer
    std::string Label5;           // result of the last purchase
    std::vector<ShopGood> goods;  // good k is goods[k - 1]; the k-th line stands at y = 50 + 15 k
};

// "OBCHOD": CISLO = the shop's number (default 1). Loads that shop from the
// shop file and shows the shop until the player closes it.
void cmdObchod(Game& game, const tagg& tag);

ShopView DescribeShop(const Game& game);

// "Máme " + the money + the currency name: the top line of both trading windows.
std::string MoneyLine(const Game& game);

// The pointer moves over good k, over the background, or over the close button.
void HoverGood(Game& game, std::int32_t k);
void HoverShopBackground(Game& game);
void HoverShopClose(Game& game);

// A click on good k buys one piece when the money covers its price; true
// when it was bought. The result line says which.
bool Buy(Game& game, std::int32_t k);

}  // namespace morvane
