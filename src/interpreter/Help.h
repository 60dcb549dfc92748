#pragma once
// The help text of the main window's "Nápověda" button.
#include <cstdint>
#include <string>

namespace morvane {

struct Game;

// The whole help text for a screen of the given width: star lines of 83
// characters and paragraphs wrapped at 75 above 640 pixels, 55 and 50 on a
// narrow screen. Lines end with a single CR.
std::string HelpText(std::int32_t screenWidth);

// Toggles the help text: the first click puts it on the page below the last
// element, the second takes it away again.
void NapovedaClick(Game& game);

}  // namespace morvane
