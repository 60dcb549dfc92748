#pragma once
// The five info lines at the bottom of the main window.
#include <string_view>

namespace morvane {

struct Game;

// Pushes a line in as the newest, in white, while the lines are switched on.
void AddInfo(Game& game, std::string_view text);
// Colours the newest line, whether or not the lines are switched on.
void SetInfoColour(Game& game, std::string_view colour);
// Tells the front end to repaint the info lines.
void MakeHistory(Game& game);
// The usual report: a line, its colour, the repaint.
void Report(Game& game, std::string_view text, std::string_view colour);

}  // namespace morvane
