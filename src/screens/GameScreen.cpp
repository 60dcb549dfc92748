#include "screens/GameScreen.h"

#include "base/GameEnded.h"

namespace morvane {

void GameScreen::beginShowing(Game& game) {
    game_ = &game;
    ended_ = false;
}

void GameScreen::endShowing() {
    game_ = nullptr;
    if (ended_) throw GameEnded{};
}

bool GameScreen::runOnGame(const std::function<void(Game&)>& operation) {
    if (!game_ || ended_) return false;
    try {
        operation(*game_);
    } catch (const GameEnded&) {
        ended_ = true;
        finish();
        return false;
    }
    return true;
}

}  // namespace morvane
