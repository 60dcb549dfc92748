#include "shell/AudioCommands.h"

#include "game/Game.h"
#include "game/GameFolders.h"
#include "parser/Command.h"
#include "shell/Audio.h"
#include "shell/AudioSetup.h"
#include "shell/GameFilePath.h"

namespace morvane {
namespace {

// The player, or nullptr when audio commands are to be ignored.
TAudio* player(Game& game) { return game.audiodostupne ? game.audio.get() : nullptr; }

// Plays `name` of the audio folder unless it leads out of it, which is
// refused with a message: a script or a saved position names it.
void playInside(Game& game, TAudio& audio, void (TAudio::*play)(std::string_view),
                std::string_view name) {
    if (!fileInside(game.gameFolder() / "audio", name)) {
        game.frontend.showMessage(outsideFolderMessage(name));
        return;
    }
    (audio.*play)(name);
}

void forEachFile(Game& game, const tagg& tag, void (TAudio::*play)(std::string_view)) {
    TAudio* audio = player(game);
    if (!audio) return;
    for (const param& p : tag.parametry) {
        if (p.nazev == "SOUBOR") playInside(game, *audio, play, p.hodnota);
    }
}

}  // namespace

void cmdAudioSound(Game& game, const tagg& tag) { forEachFile(game, tag, &TAudio::PlaySound); }
void cmdAudioTrack(Game& game, const tagg& tag) { forEachFile(game, tag, &TAudio::PlayTrack); }
void cmdAudioStream(Game& game, const tagg& tag) { forEachFile(game, tag, &TAudio::PlayStream); }

void cmdAudioStop(Game& game, const tagg&) {
    if (TAudio* audio = player(game)) audio->FreeMusic();
}

void cmdAudioPause(Game& game, const tagg&) {
    if (TAudio* audio = player(game)) audio->PauseMusic();
}

void cmdAudioContinue(Game& game, const tagg&) {
    if (TAudio* audio = player(game)) audio->ContinueMusic();
}

void StartAudio(Game& game, const AudioBackendOpener& openBackend) {
    // The old player goes first: it may hold the only audio device.
    game.audio.reset();
    std::unique_ptr<AudioBackend> backend = openBackend ? openBackend() : nullptr;
    game.audiodostupne = backend != nullptr;
    if (!backend) return;
    Frontend& frontend = game.frontend;
    game.audio = std::make_unique<TAudio>(
        std::move(backend), game.gameFolder() / "audio",
        [&frontend](const AudioEvent& event) { frontend.audioPlayed(event); });
    ReadAudioSetup(*game.audio, PlayerFileToRead(game.gameFolder(), kAudioSetupFile));
}

void RecordMusic(const Game& game, ShortString<100>& hudba, std::int32_t& druhhudby) {
    const TAudio* audio = game.audiodostupne ? game.audio.get() : nullptr;
    hudba.assign(audio ? audio->jmenohudby.view() : std::string_view{});
    druhhudby = audio ? audio->druh : kMusicNone;
}

void RestartMusic(Game& game, const ShortString<100>& hudba, std::int32_t druhhudby) {
    TAudio* audio = player(game);
    if (!audio || hudba.empty()) return;
    if (druhhudby == kMusicStream) playInside(game, *audio, &TAudio::PlayStream, hudba.view());
    if (druhhudby == kMusicTrack) playInside(game, *audio, &TAudio::PlayTrack, hudba.view());
}

}  // namespace morvane
