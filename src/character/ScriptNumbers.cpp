#include "character/ScriptNumbers.h"

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Game.h"

namespace morvane {

void ReportOutOfRange(Game& game, const tagg& tag, std::int32_t n, std::int32_t last) {
    game.frontend.reportError(tag.nazev + cz(": číslo ") + toText(n) + cz(" je mimo rozsah 1 až ") +
                              toText(last));
}

std::int32_t* ScriptVariable(Game& game, const tagg& tag, std::int32_t v) {
    if (v < 1 || v > kIntegerVariables) {
        ReportOutOfRange(game, tag, v, kIntegerVariables);
        return nullptr;
    }
    return &game.stavhry.promenne[v - 1];
}

}  // namespace morvane
