#pragma once
// The few things the audio player asks of a sound library. The player keeps
// all the rules; a back end only loads and plays. Tests put a recording back
// end here, the programs the SDL2_mixer one.
#include <cstdint>
#include <string>

namespace morvane {

// A piece of music loaded in a back end. kNoMusic is what a file that could
// not be loaded gives; a back end never hands out the same handle twice, so
// a handle kept after its music was freed names nothing.
using MusicHandle = std::int32_t;
inline constexpr MusicHandle kNoMusic = 0;
inline constexpr std::int32_t kNoChannel = -1;

// Every operation on kNoMusic, kNoChannel, a freed handle or a handle of the
// other kind (a stream given as a module) does nothing: a missing or broken
// file plays nothing and reports nothing. Volumes are 0 to 255; larger values
// are full volume, negative ones silence.
class AudioBackend {
public:
    // Stops all sound and releases everything still loaded.
    virtual ~AudioBackend() = default;

    // Loads a sample file and plays it once on any free channel.
    virtual void playSample(const std::string& path, std::int32_t volume) = 0;

    // Opens a sampled music file as a stream that loops endlessly.
    virtual MusicHandle openStream(const std::string& path) = 0;
    // Plays the stream, or plays it on after stopStream; answers the channel
    // it plays on.
    virtual std::int32_t playStream(MusicHandle stream) = 0;
    virtual void stopStream(MusicHandle stream) = 0;
    // Closes the stream, stopping it first.
    virtual void closeStream(MusicHandle stream) = 0;
    virtual void setChannelVolume(std::int32_t channel, std::int32_t volume) = 0;

    // Loads a music module (a tracker song).
    virtual MusicHandle loadModule(const std::string& path) = 0;
    // Plays the module, or plays it on after stopModule.
    virtual void playModule(MusicHandle module) = 0;
    virtual void stopModule(MusicHandle module) = 0;
    virtual void freeModule(MusicHandle module) = 0;
    // The module's master volume.
    virtual void setModuleVolume(MusicHandle module, std::int32_t volume) = 0;
};

}  // namespace morvane
