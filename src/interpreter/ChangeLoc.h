#pragma once
// The run of one location, and the three ways a run is started: a click on a
// menu label or button, a deferred click on a page link, an expiring countdown.
#include <cstdint>
#include <string>

namespace morvane {

struct Game;

// Clears the page of the previous location, loads and runs the commands of
// location `n` and builds its menu. `n` of 0 or less only stops a countdown.
void ChangeLoc(Game& game, std::int32_t n);

// The shared click of menu labels and of the start and continue buttons.
void Button1Click(Game& game);

// Runs a move that a clicked page link left waiting; called on every mouse
// movement over the main window and on every timer tick.
void ControlForceLoad(Game& game);

// The main window's 100 ms timer: deferred moves and the countdown.
void TimerTimer(Game& game);

// The caption of menu item j (1-based) as its label shows it.
std::string MenuCaption(const Game& game, std::int32_t j);

}  // namespace morvane
