#include "shell/SdlAudioBackend.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <iostream>
#include <map>
#include <mutex>
#include <thread>

#include "shell/SdlMixer.h"

namespace morvane {
namespace {

constexpr int kMixRate = 44100;
constexpr int kSampleChannels = 32;
constexpr int kBufferFrames = 2048;
// The channel number music answers to: past the sample channels, so a
// volume meant for the music never reaches a sound.
constexpr std::int32_t kMusicChannel = kSampleChannels;

// The mixer is process-wide state: a second back end would free the first
// one's music, so one back end at a time has the device. A device that is
// being closed is waited for by the next one to open: closing waits for the
// sound's own thread to finish, which the program does not wait for.
enum class Device { Free, Open, Closing };
std::mutex deviceMutex;
std::condition_variable deviceClosed;
Device device = Device::Free;

// While the audio device is looked for, the sound libraries below SDL write
// their own diagnostics to standard error (a line for every sound card they
// can't find). The player is told once, in one line, instead.
class QuietStandardError {
public:
    QuietStandardError() : saved_(::dup(STDERR_FILENO)) {
        const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nothing >= 0) ::dup2(nothing, STDERR_FILENO);
        if (nothing >= 0) ::close(nothing);
    }
    ~QuietStandardError() {
        if (saved_ < 0) return;
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

void SayOnceThatSoundIsOff() {
    static std::atomic<bool> said{false};
    if (!said.exchange(true)) std::cerr << "No sound device was found: sound is off.\n";
}

// Opens the device at 44100 Hz through the loaded library; false when no
// device can be opened (no sound card, no sound server) or another back end
// has it.
bool OpenDevice(const SdlMixer& m) {
    {
        std::unique_lock lock(deviceMutex);
        deviceClosed.wait(lock, [] { return device != Device::Closing; });
        if (device == Device::Open) return false;
        device = Device::Open;
    }
    // SDL would turn Ctrl+C and SIGTERM into a quit event that nobody reads,
    // and the program could then only be killed: the programs handle them.
    m.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    bool opened = false;
    {
        const QuietStandardError quiet;
        opened = m.SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (opened && m.Mix_OpenAudio(kMixRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
            m.SDL_QuitSubSystem(SDL_INIT_AUDIO);
            opened = false;
        }
    }
    if (!opened) {
        std::lock_guard lock(deviceMutex);
        device = Device::Free;
        return false;
    }
    // Decoders that fail to load only mean those formats play nothing.
    m.Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC | MIX_INIT_MOD);
    m.Mix_AllocateChannels(kSampleChannels);
    return true;
}

// Closing the device waits for the sound's thread to end its buffer, some
// tenths of a second that neither the end of the program nor the start of a
// new game should wait: a thread of its own closes it.
void CloseDevice(const SdlMixer& m) {
    {
        std::lock_guard lock(deviceMutex);
        device = Device::Closing;
    }
    std::thread([&m] {
        m.Mix_CloseAudio();
        m.Mix_Quit();
        m.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        {
            std::lock_guard lock(deviceMutex);
            device = Device::Free;
        }
        deviceClosed.notify_all();
    }).detach();
}

// Until the first sound or music, nothing of the sound library is loaded and
// no device is open; every call on a handle does nothing then, as no handle
// has been given out.
class SdlAudioBackend final : public AudioBackend {
public:
    ~SdlAudioBackend() override;

    void playSample(const std::string& path, std::int32_t volume) override;
    MusicHandle openStream(const std::string& path) override { return load(path, false); }
    std::int32_t playStream(MusicHandle stream) override;
    void stopStream(MusicHandle stream) override { stop(stream, false); }
    void closeStream(MusicHandle stream) override { release(stream, false); }
    void setChannelVolume(std::int32_t channel, std::int32_t volume) override;
    MusicHandle loadModule(const std::string& path) override { return load(path, true); }
    void playModule(MusicHandle module) override { play(module, true); }
    void stopModule(MusicHandle module) override { stop(module, true); }
    void freeModule(MusicHandle module) override { release(module, true); }
    void setModuleVolume(MusicHandle module, std::int32_t volume) override;

private:
    struct Music {
        Mix_Music* music;
        bool module;
    };

    bool ready();
    void freeFinishedSamples();
    Mix_Music* find(MusicHandle handle, bool module) const;
    MusicHandle load(const std::string& path, bool module);
    bool play(MusicHandle handle, bool module);
    void stop(MusicHandle handle, bool module);
    void release(MusicHandle handle, bool module);

    const SdlMixer* m_ = nullptr;  // set once the device is open
    bool tried_ = false;           // the device was asked for once
    std::array<Mix_Chunk*, kSampleChannels> samples_{};  // the chunk each channel last played
    std::map<MusicHandle, Music> music_;
    MusicHandle nextHandle_ = 1;
    MusicHandle playing_ = kNoMusic;  // the music the mixer holds, playing or paused
    bool paused_ = false;
};

SdlAudioBackend::~SdlAudioBackend() {
    if (!m_) return;
    // Stopped here, so nothing plays a moment longer; once the mixer has
    // halted them its thread no longer touches the chunks and music.
    m_->Mix_HaltChannel(-1);
    m_->Mix_HaltMusic();
    for (Mix_Chunk*& chunk : samples_) {
        if (chunk) m_->Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    for (auto& [handle, entry] : music_) m_->Mix_FreeMusic(entry.music);
    CloseDevice(*m_);
}

// Loads the library and opens the device on the first sound; a failure is
// told once, and the back end then stays silent.
bool SdlAudioBackend::ready() {
    if (m_ || tried_) return m_ != nullptr;
    tried_ = true;
    const SdlMixer* mixer = LoadSdlMixer();
    if (mixer && OpenDevice(*mixer)) m_ = mixer;
    else SayOnceThatSoundIsOff();
    return m_ != nullptr;
}

// Frees the chunks of sounds that have ended. A sound's chunk must live until
// its channel is done with it, and the mixer's own "finished" callback runs on
// the audio thread where freeing is not allowed, so this runs before each new
// sound instead; the rest goes when the back end closes.
void SdlAudioBackend::freeFinishedSamples() {
    for (int channel = 0; channel < kSampleChannels; ++channel) {
        Mix_Chunk*& chunk = samples_[static_cast<std::size_t>(channel)];
        if (chunk && !m_->Mix_Playing(channel)) {
            m_->Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
    }
}

void SdlAudioBackend::playSample(const std::string& path, std::int32_t volume) {
    if (!ready()) return;
    freeFinishedSamples();
    Mix_Chunk* chunk = m_->Mix_LoadWAV(path.c_str());
    if (!chunk) return;
    // The volume goes on the chunk before it starts, so no buffer is mixed
    // at the channel's old volume.
    m_->Mix_VolumeChunk(chunk, mixerVolume(volume));
    const int channel = m_->Mix_PlayChannel(-1, chunk, 0);
    if (channel < 0) {  // all 32 channels busy: the sound is dropped
        m_->Mix_FreeChunk(chunk);
        return;
    }
    m_->Mix_Volume(channel, MIX_MAX_VOLUME);
    Mix_Chunk*& slot = samples_[static_cast<std::size_t>(channel)];
    if (slot) m_->Mix_FreeChunk(slot);  // ended after the sweep above, or the channel was free
    slot = chunk;
}

Mix_Music* SdlAudioBackend::find(MusicHandle handle, bool module) const {
    const auto it = music_.find(handle);
    return it != music_.end() && it->second.module == module ? it->second.music : nullptr;
}

MusicHandle SdlAudioBackend::load(const std::string& path, bool module) {
    if (!ready()) return kNoMusic;
    Mix_Music* music = m_->Mix_LoadMUS(path.c_str());
    if (!music) return kNoMusic;
    const MusicHandle handle = nextHandle_++;
    music_.emplace(handle, Music{music, module});
    return handle;
}

// Starts the music looping, or lets it play on where it was stopped.
bool SdlAudioBackend::play(MusicHandle handle, bool module) {
    Mix_Music* music = find(handle, module);
    if (!music) return false;
    if (handle == playing_) {
        if (paused_) m_->Mix_ResumeMusic();
        paused_ = false;
        return true;
    }
    if (m_->Mix_PlayMusic(music, -1) != 0) return false;
    playing_ = handle;
    paused_ = false;
    return true;
}

std::int32_t SdlAudioBackend::playStream(MusicHandle stream) {
    return play(stream, false) ? kMusicChannel : kNoChannel;
}

void SdlAudioBackend::stop(MusicHandle handle, bool module) {
    if (!find(handle, module) || handle != playing_ || paused_) return;
    m_->Mix_PauseMusic();
    paused_ = true;
}

void SdlAudioBackend::release(MusicHandle handle, bool module) {
    Mix_Music* music = find(handle, module);
    if (!music) return;
    if (handle == playing_) {
        m_->Mix_HaltMusic();
        playing_ = kNoMusic;
        paused_ = false;
    }
    m_->Mix_FreeMusic(music);
    music_.erase(handle);
}

void SdlAudioBackend::setChannelVolume(std::int32_t channel, std::int32_t volume) {
    if (!m_) return;
    if (channel == kMusicChannel) m_->Mix_VolumeMusic(mixerVolume(volume));
    if (channel >= 0 && channel < kSampleChannels) m_->Mix_Volume(channel, mixerVolume(volume));
}

void SdlAudioBackend::setModuleVolume(MusicHandle module, std::int32_t volume) {
    if (find(module, true) && module == playing_) m_->Mix_VolumeMusic(mixerVolume(volume));
}

}  // namespace

int mixerVolume(std::int32_t volume) {
    if (volume <= 0) return 0;
    if (volume >= 255) return MIX_MAX_VOLUME;
    // Rounded up, so 1 is still heard.
    return (volume * MIX_MAX_VOLUME + 254) / 255;
}

std::unique_ptr<AudioBackend> OpenSdlAudio() { return std::make_unique<SdlAudioBackend>(); }

void WaitUntilAudioClosed() {
    std::unique_lock lock(deviceMutex);
    deviceClosed.wait(lock, [] { return device != Device::Closing; });
}

}  // namespace morvane
