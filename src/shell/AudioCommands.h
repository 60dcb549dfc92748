#pragma once
// The six audio commands of the script, the start-up of the audio player,
// and the music that saved positions record and start again.
#include <cstdint>
#include <functional>
#include <memory>

#include "base/ShortString.h"
#include "shell/AudioBackend.h"

namespace morvane {

struct Game;
struct tagg;

// Each "SOUBOR" attribute, in the written order: play it as a sound, a
// track or a stream. Other attributes are ignored.
void cmdAudioSound(Game& game, const tagg& tag);
void cmdAudioTrack(Game& game, const tagg& tag);
void cmdAudioStream(Game& game, const tagg& tag);
// Release, pause or continue the current music.
void cmdAudioStop(Game& game, const tagg& tag);
void cmdAudioPause(Game& game, const tagg& tag);
void cmdAudioContinue(Game& game, const tagg& tag);

using AudioBackendOpener = std::function<std::unique_ptr<AudioBackend>()>;

// The audio step of a game's start-up: drops the earlier player (stopping its
// sound), opens a back end and, when one opens, makes a fresh player that
// plays from the game folder's audio/, reports to the front end and reads the
// game folder's setup.ini. When none opens, audio is unavailable and every
// audio command is ignored.
void StartAudio(Game& game, const AudioBackendOpener& openBackend);

// What a saved position keeps of the music: the current music's name and
// kind (after "AUDIOSTOP" the name stays and the kind is 0). With no audio
// player, no music: an empty name and kind 0.
void RecordMusic(const Game& game, ShortString<100>& hudba, std::int32_t& druhhudby);

// Starts the music a loaded position recorded: kind 1 as a stream, kind 2 as
// a track; an empty name or another kind plays nothing.
void RestartMusic(Game& game, const ShortString<100>& hudba, std::int32_t druhhudby);

}  // namespace morvane
