#include "shell/AudioSettings.h"

#include "base/Win1250.h"
#include "game/Game.h"
#include "game/GameFolders.h"
#include "shell/Audio.h"
#include "shell/AudioSetup.h"

namespace morvane {

AudioDialogTexts DescribeAudioDialog() { return {cz("Nastavení"), "Zvuky", "Hudba", "Zapnuto", "OK"}; }

void AudioSettings_CheckBox1Click(Game& game, bool checked) {
    if (game.audio) game.audio->zvukyzapnuty = checked;
}

void AudioSettings_CheckBox2Click(Game& game, bool checked) {
    if (!game.audio) return;
    if (checked) {
        game.audio->ContinueMusic();
    } else {
        game.audio->PauseMusic();
    }
}

void AudioSettings_TrackBar1Change(Game& game, std::int32_t position) {
    if (game.audio) game.audio->hlasitostzvuku = position;
}

void AudioSettings_TrackBar2Change(Game& game, std::int32_t position) {
    if (game.audio) game.audio->SetMusicVolume(position);
}

void AudioSettings_Button1Click(Game& game) {
    if (!game.audio) return;
    if (!WriteAudioSetup(*game.audio, PlayerFileToWrite(game.gameFolder(), kAudioSetupFile))) {
        game.frontend.reportError(std::string("I/O error: ") + kAudioSetupFile +
                                  " could not be written");
    }
}

}  // namespace morvane
