#include "interpreter/Info.h"

#include "game/Game.h"
#include "shell/Colour.h"

namespace morvane {

void AddInfo(Game& game, std::string_view text) {
    if (!game.infozapnuto) return;
    for (std::size_t i = game.historie.size() - 1; i > 0; --i) game.historie[i] = game.historie[i - 1];
    game.historie[0] = InfoLine{std::string(text), kWhite};
}

void SetInfoColour(Game& game, std::string_view colour) {
    game.historie[0].barva = ParseColour(colour);
}

void MakeHistory(Game& game) { game.frontend.historyChanged(); }

void Report(Game& game, std::string_view text, std::string_view colour) {
    AddInfo(game, text);
    SetInfoColour(game, colour);
    MakeHistory(game);
}

}  // namespace morvane
