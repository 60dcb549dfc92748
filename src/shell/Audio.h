#pragma once
// The audio player: short sounds played once, and one current piece of
// background music, either a looping stream (sampled music) or a track (a
// music module). The player holds the switches and volumes the settings
// dialog changes and the name and kind of the current music that saved
// positions record.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "base/ShortString.h"
#include "shell/AudioBackend.h"
#include "shell/AudioEvent.h"

namespace morvane {

// Kinds of the current music (`druh`).
inline constexpr std::int32_t kMusicNone = 0;
inline constexpr std::int32_t kMusicStream = 1;
inline constexpr std::int32_t kMusicTrack = 2;

inline constexpr std::int32_t kDefaultAudioVolume = 64;

class TAudio {
public:
    using Observer = std::function<void(const AudioEvent&)>;

    // `audioFolder` is where the scripts' file names are looked up
    // ("./audio" of the game folder). The observer hears every action the
    // rules let through.
    TAudio(std::unique_ptr<AudioBackend> backend, std::filesystem::path audioFolder,
           Observer observer = {});
    TAudio(const TAudio&) = delete;
    TAudio& operator=(const TAudio&) = delete;
    // Destroying the player stops all sound.
    ~TAudio();

    // Plays a sound once, when sounds are switched on.
    void PlaySound(std::string_view name);
    // Makes the file the current music, played as a looping stream, when
    // music is switched on.
    void PlayStream(std::string_view name);
    // Makes the file the current music, played as a track, when music is
    // switched on.
    void PlayTrack(std::string_view name);
    // Releases the current music; the name and the music switch stay.
    void FreeMusic();
    // Stops the current music and refuses new music until ContinueMusic.
    void PauseMusic();
    // Plays the current music on and allows new music again.
    void ContinueMusic();
    void SetMusicVolume(std::int32_t volume);

    MusicHandle handle = kNoMusic;  // the current music in the back end
    std::int32_t kanal = kNoChannel;  // the channel the current stream plays on
    bool zvukyzapnuty = true;    // sounds switched on
    bool hudbazapnuta = true;    // music switched on and not paused
    std::int32_t hlasitostzvuku = kDefaultAudioVolume;  // 0..255
    std::int32_t hlasitosthudby = kDefaultAudioVolume;  // 0..255
    std::int32_t druh = kMusicNone;
    ShortString<100> jmenohudby{};  // the current music's name as the script gave it

private:
    void releaseMusic();
    void notify(AudioEvent::Kind kind, std::string_view file = {});
    std::string pathOf(std::string_view name) const;

    std::unique_ptr<AudioBackend> backend_;
    std::filesystem::path folder_;
    Observer observer_;
};

}  // namespace morvane
