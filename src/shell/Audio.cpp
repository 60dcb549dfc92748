#include "shell/Audio.h"

#include <utility>

#include "shell/GameFilePath.h"

namespace morvane {

TAudio::TAudio(std::unique_ptr<AudioBackend> backend, std::filesystem::path audioFolder,
               Observer observer)
    : backend_(std::move(backend)), folder_(std::move(audioFolder)),
      observer_(std::move(observer)) {}

TAudio::~TAudio() = default;

void TAudio::PlaySound(std::string_view name) {
    if (!zvukyzapnuty) return;
    backend_->playSample(pathOf(name), hlasitostzvuku);
    notify(AudioEvent::Kind::Sound, name);
}

void TAudio::PlayStream(std::string_view name) {
    if (!hudbazapnuta) return;
    releaseMusic();
    handle = backend_->openStream(pathOf(name));
    kanal = backend_->playStream(handle);
    backend_->setChannelVolume(kanal, hlasitosthudby);
    druh = kMusicStream;
    jmenohudby.assign(name);
    notify(AudioEvent::Kind::Stream, name);
}

void TAudio::PlayTrack(std::string_view name) {
    if (!hudbazapnuta) return;
    releaseMusic();
    handle = backend_->loadModule(pathOf(name));
    backend_->playModule(handle);
    backend_->setModuleVolume(handle, hlasitosthudby);
    druh = kMusicTrack;
    jmenohudby.assign(name);
    notify(AudioEvent::Kind::Track, name);
}

void TAudio::FreeMusic() {
    releaseMusic();
    notify(AudioEvent::Kind::Stop);
}

void TAudio::PauseMusic() {
    if (druh == kMusicTrack) backend_->stopModule(handle);
    if (druh == kMusicStream) backend_->stopStream(handle);
    hudbazapnuta = false;
    notify(AudioEvent::Kind::Pause);
}

void TAudio::ContinueMusic() {
    if (druh == kMusicTrack) backend_->playModule(handle);
    if (druh == kMusicStream) {
        kanal = backend_->playStream(handle);
        backend_->setChannelVolume(kanal, hlasitosthudby);
    }
    hudbazapnuta = true;
    notify(AudioEvent::Kind::Continue);
}

void TAudio::SetMusicVolume(std::int32_t volume) {
    hlasitosthudby = volume;
    // Both, whatever the kind: the back end ignores the one that names nothing.
    backend_->setModuleVolume(handle, volume);
    backend_->setChannelVolume(kanal, volume);
}

// Releases the current music without telling anyone: starting new music
// replaces the old, which the new music's own event already says.
void TAudio::releaseMusic() {
    if (druh == kMusicTrack) {
        backend_->stopModule(handle);
        backend_->freeModule(handle);
    }
    if (druh == kMusicStream) backend_->closeStream(handle);
    druh = kMusicNone;
}

void TAudio::notify(AudioEvent::Kind kind, std::string_view file) {
    if (observer_) observer_(AudioEvent{kind, std::string(file)});
}

std::string TAudio::pathOf(std::string_view name) const {
    const std::filesystem::path path = gameFilePath(folder_, name);
    // A pipe or a device under a sound's name would keep the player waiting
    // for ever; such a name opens nothing, as a missing file does.
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error))
        return {};
    return path.string();
}

std::string AudioEventText(const AudioEvent& event) {
    switch (event.kind) {
        case AudioEvent::Kind::Sound: return "sound " + event.file;
        case AudioEvent::Kind::Stream: return "stream " + event.file;
        case AudioEvent::Kind::Track: return "track " + event.file;
        case AudioEvent::Kind::Stop: return "stop";
        case AudioEvent::Kind::Pause: return "pause";
        case AudioEvent::Kind::Continue: return "continue";
    }
    return {};
}

}  // namespace morvane
