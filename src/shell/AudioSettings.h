#pragma once
// What the controls of the audio settings dialog ("Nastavení") do. Changes
// take effect at once; only OK stores them in setup.ini. With no audio player
// every one does nothing.
#include <cstdint>
#include <string>

namespace morvane {

struct Game;

// The dialog's title and captions.
struct AudioDialogTexts {
    std::string nastaveni, zvuky, hudba, zapnuto, ok;
};
AudioDialogTexts DescribeAudioDialog();

// Sounds on or off.
void AudioSettings_CheckBox1Click(Game& game, bool checked);
// Music on (continues the current music) or off (pauses it).
void AudioSettings_CheckBox2Click(Game& game, bool checked);
// Sound volume, 0..255.
void AudioSettings_TrackBar1Change(Game& game, std::int32_t position);
// Music volume, 0..255, applied to the music playing now.
void AudioSettings_TrackBar2Change(Game& game, std::int32_t position);
// OK: writes the game folder's setup.ini. A failed write goes to the
// general error report; the front end closes the dialog either way.
void AudioSettings_Button1Click(Game& game);

}  // namespace morvane
