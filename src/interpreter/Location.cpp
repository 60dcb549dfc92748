#include "interpreter/Location.h"

#include "game/Game.h"
#include "interpreter/Trace.h"
#include "parser/LocationSource.h"

namespace morvane {

void LoadLocation(Game& game, std::int32_t n) {
    game.prikazy.hloubka = 0;
    const std::string source =
        LoadLocationSource(game.pribeh, game.frontend, n, game.stavhry.prefixzapnut != 0,
                           game.stavhry.suffixzapnut != 0);
    if (!game.stopa) return ScanLocation(source, game.prikazy, game.pocitadlopodminek);
    TraceScan skipped(game);
    ScanLocation(source, game.prikazy, game.pocitadlopodminek, &skipped);
}

}  // namespace morvane
