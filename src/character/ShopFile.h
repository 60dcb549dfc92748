#pragma once
// The game's shop file (data/obchod.vrn): one shop a line, its number first,
// then its goods separated by commas, each a type word and an entry number
// in either order ("2, zbran1, 4 zbran, zbroj2, predmet7").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

struct Game;

// One line of the shop file as the shop reads it, for authoring tools: its
// number and every good, with whether the game's tables can offer it.
struct ShopGoodRead {
    std::string typ;
    std::optional<std::int32_t> cislo;
    bool offered = false;
};
struct ShopLineRead {
    std::optional<std::int32_t> cislo;
    std::vector<ShopGoodRead> goods;
};
ShopLineRead ReadShopLine(const Game& game, std::string_view line);

// Loads shop `game.obchod.cisloobchodu` into `game.obchod.obchod`. Goods are
// kept in their written order; a good whose type word is not "zbran", "zbroj"
// or "predmet", or whose number names no loaded entry of its table, is left
// out, and goods past the twentieth are not offered. A missing file, or a
// file without a line for that shop, leaves the shop empty.
void LoadShop(Game& game);

}  // namespace morvane
