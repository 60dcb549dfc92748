#pragma once
// What the terminal says to a person beside the game's own texts, in Czech
// and UTF-8: what may be typed on each screen (a one-line cue under it and
// the whole list that "help" prints), what is heard, how the hero died.
#include <string>

#include "shell/AudioEvent.h"

namespace morvane {

std::string HumanCue(const std::string& screen);
std::string HumanHelp(const std::string& screen);
// What a person hears, said in words: "zvuk kovadlina.wav", "hudba klaster.mod".
std::string HumanAudioText(const AudioEvent& event);

// Under the death screen's picture, which the terminal can't show.
std::string HumanDeathText();

}  // namespace morvane
