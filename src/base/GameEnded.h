#pragma once
// Raised by the core once the game is over for good (the hero died and the
// death screen was shown). It carries the run back out through every command
// handler and modal screen to the front end, which then ends the program.
//
// Deliberately not a std::exception: handlers that catch script or file
// failures by their base class must never swallow the end of the game.

namespace morvane {

class GameEnded {};

}  // namespace morvane
