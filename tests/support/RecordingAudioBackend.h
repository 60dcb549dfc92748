#pragma once
// An audio back end that plays nothing and writes down every call, so tests
// can check what the audio player asked for and in which order.
#include <memory>
#include <string>
#include <vector>

#include "shell/AudioBackend.h"

namespace morvane::test {

class RecordingAudioBackend : public AudioBackend {
public:
    using Log = std::vector<std::string>;
    // The log is shared so that a test can read it after the player is gone.
    explicit RecordingAudioBackend(std::shared_ptr<Log> log) : log_(std::move(log)) {}
    ~RecordingAudioBackend() override { note("close"); }

    void playSample(const std::string& path, std::int32_t v) override { note("sample", path, v); }
    MusicHandle openStream(const std::string& path) override { return load("openStream", path); }
    // A different channel each time, as any free one may be taken.
    std::int32_t playStream(MusicHandle h) override { return note("playStream", h), channel_++; }
    void stopStream(MusicHandle h) override { note("stopStream", h); }
    void closeStream(MusicHandle h) override { note("closeStream", h); }
    void setChannelVolume(std::int32_t c, std::int32_t v) override { note("channelVolume", c, v); }
    MusicHandle loadModule(const std::string& path) override { return load("loadModule", path); }
    void playModule(MusicHandle h) override { note("playModule", h); }
    void stopModule(MusicHandle h) override { note("stopModule", h); }
    void freeModule(MusicHandle h) override { note("freeModule", h); }
    void setModuleVolume(MusicHandle h, std::int32_t v) override { note("moduleVolume", h, v); }

private:
    template <typename... Args>
    void note(std::string call, const Args&... args) {
        ((call += " " + text(args)), ...);
        log_->push_back(call);
    }
    static std::string text(const std::string& s) { return s; }
    static std::string text(std::int32_t n) { return std::to_string(n); }
    MusicHandle load(const char* call, const std::string& path) {
        note(call, path);
        return handle_++;
    }

    std::shared_ptr<Log> log_;
    MusicHandle handle_ = 1;
    std::int32_t channel_ = 5;
};

inline std::unique_ptr<RecordingAudioBackend> recordingBackend(
    std::shared_ptr<RecordingAudioBackend::Log> log =
        std::make_shared<RecordingAudioBackend::Log>()) {
    return std::make_unique<RecordingAudioBackend>(std::move(log));
}

}  // namespace morvane::test
