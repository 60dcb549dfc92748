#pragma once
// A modal screen on which a core operation may end the game (a death in a
// fight or from an item used). The end closes the screen at once and reaches
// the code that opened it only after the modal loop is over, so no window is
// torn down inside its own event handler.
#include <functional>

#include "screens/BorderlessDialog.h"

namespace morvane {

struct Game;

class GameScreen : public BorderlessDialog {
    Q_OBJECT
public:
    using BorderlessDialog::BorderlessDialog;

protected:
    // The game the screen shows from now on.
    void beginShowing(Game& game);
    // Lets go of the game; throws GameEnded when it ended on this screen.
    void endShowing();
    // Runs `operation` on the game shown; false when there is none, or the
    // game has ended (now, which also closes the screen, or before).
    bool runOnGame(const std::function<void(Game&)>& operation);

    Game* game_ = nullptr;

private:
    bool ended_ = false;
};

}  // namespace morvane
