#pragma once
#include <string>
#include <string_view>

namespace morvane {

// The word wrap that all game texts are laid out with: a line is broken after
// the last blank, hyphen or tab that keeps it within maxColumn, by inserting
// CR LF there; the break character stays at the end of the line. An existing
// CR LF starts a new line. Text between two apostrophes (or double quotes) is
// never broken, and a word longer than the line is left whole.
std::string wrapText(std::string_view text, int maxColumn);

}  // namespace morvane
