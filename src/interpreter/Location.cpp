#include "interpreter/Location.h"

#include "game/Game.h"
#include "parser/LocationSource.h"

namespace morvane {

void LoadLocation(Game& game, std::int32_t n) {
    game.prikazy.hloubka = 0;
    const std::string source =
        LoadLocationSource(game.pribeh, game.frontend, n, game.stavhry.prefixzapnut != 0,
                           game.stavhry.suffixzapnut != 0);
    ScanLocation(source, game.prikazy, game.pocitadlopodminek);
}

}  // namespace morvane
