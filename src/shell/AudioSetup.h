#pragma once
// setup.ini: the audio settings kept between runs, as four plain lines:
// sounds on, music on ("True"/"False"), sound volume, music volume.
#include <filesystem>
#include <string>
#include <string_view>

namespace morvane {

class TAudio;

// The settings file's name in the player's folder of the game.
inline constexpr const char* kAudioSetupFile = "setup.ini";

// Sets the player's switches and volumes from the lines of a setup text.
// Lines past the fourth are ignored; a missing line leaves its field alone;
// a line that can't be read gives true for a switch and 128 for a volume.
void ApplyAudioSetup(TAudio& audio, std::string_view text);

// Reads the setup file into the player; a missing file changes nothing.
void ReadAudioSetup(TAudio& audio, const std::filesystem::path& file);

// The four lines, CR LF between them and none after the last.
std::string AudioSetupText(const TAudio& audio);

// Replaces the setup file; false when it could not be written (the old file
// is then left as it was).
bool WriteAudioSetup(const TAudio& audio, const std::filesystem::path& file);

}  // namespace morvane
