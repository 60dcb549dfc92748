#pragma once
// What a person may type on each screen of the terminal, in Czech and UTF-8:
// a one-line cue under the screen and the whole list that "help" prints.
#include <string>

namespace morvane {

std::string HumanCue(const std::string& screen);
std::string HumanHelp(const std::string& screen);
// Under the death screen's picture, which the terminal can't show.
std::string HumanDeathText();

}  // namespace morvane
