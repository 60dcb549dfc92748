#pragma once
// The sell screen: the script command that opens it, what its window shows,
// and the hovers and clicks the window passes on. The hero sells pieces from
// the pack (never the equipped ones) at a percentage of their library price.
#include <cstdint>
#include <string>
#include <vector>

#include "character/TradeState.h"
#include "parser/Command.h"

namespace morvane {

struct Game;

// Texts are Windows-1250; a line break inside them is a single CR.
struct SellView {
    std::string Label1;  // caption "Prodej"
    std::string Label2;  // "Máme 12 zlaťáků": the money, centred under the caption
    std::string Status;  // hint of the line under the pointer
    // All lines in one column, the k-th (from 0) at y = 50 + 15 k; a hidden
    // line keeps its place.
    std::vector<SellLine> lines;
};

// "PRODEJ": TYP = the kinds bought back (a category word; weapons when
// absent), PROCENT = the percentage of the price paid (50 when absent).
// Shows the sell screen until the player closes it.
void cmdProdej(Game& game, const tagg& tag);

SellView DescribeSell(const Game& game);

// What one piece of entry n of a kind sells for: the price times the
// percentage, divided by 100 and rounded down.
std::int32_t SellPrice(const Game& game, SellKind kind, std::int32_t n);

// What a sale of one piece of entry n of a kind brings: "Prodal jsi NAME za
// PRICE CURRENCY", for saying what a typed sale did.
std::string SaleReport(const Game& game, SellKind kind, std::int32_t n);

// The pointer moves over the line of entry n of a kind, or over the background.
// A number without a visible line is the background.
void HoverSellLine(Game& game, SellKind kind, std::int32_t n);
void HoverSellBackground(Game& game);

// A click on the line of entry n of a kind sells one piece; true when sold.
// Nothing happens for an entry without a visible line.
bool Sell(Game& game, SellKind kind, std::int32_t n);

}  // namespace morvane
