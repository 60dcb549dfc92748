#pragma once
// What the player hears change: one event for every audio action that the
// rules let through, so a front end can report it (the terminal prints it,
// tests compare it).
#include <string>

namespace morvane {

struct AudioEvent {
    enum class Kind { Sound, Stream, Track, Stop, Pause, Continue };
    Kind kind;
    std::string file;  // as the script named it (Windows-1250); empty for the last three
};

// "sound FILE", "stream FILE", "track FILE", "stop", "pause" or "continue".
std::string AudioEventText(const AudioEvent& event);

}  // namespace morvane
