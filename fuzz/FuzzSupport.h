#pragma once
// What every fuzz target needs around the engine: a front end that shows
// nothing, a fixed clock, a seeded random source, an audio back end that
// plays nothing, and a scratch game folder of its own.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Platform.h"
#include "game/Game.h"
#include "game/Frontend.h"
#include "shell/AudioBackend.h"

namespace morvane::fuzz {

class QuietFrontend : public Frontend {
public:
    void showMessage(const std::string&) override {}
    void reportError(const std::string&) override {}
    void historyChanged() override {}
    void closeSideScreens() override {}
    void showDeath() override {}
    void showFight() override {}
    void showSave() override {}
    void showShop() override {}
    void showSell() override {}
    void showPicture(const std::string&, std::int32_t, std::int32_t, bool,
                     const std::string&) override {}
    void audioPlayed(const AudioEvent&) override {}
};

class FixedClock : public Clock {
public:
    LocalTime now() const override { return {2024, 3, 5, 9, 7, 4}; }
};

class SilentAudio : public AudioBackend {
public:
    void playSample(const std::string&, std::int32_t) override {}
    MusicHandle openStream(const std::string&) override { return 1; }
    std::int32_t playStream(MusicHandle) override { return 1; }
    void stopStream(MusicHandle) override {}
    void closeStream(MusicHandle) override {}
    void setChannelVolume(std::int32_t, std::int32_t) override {}
    MusicHandle loadModule(const std::string&) override { return 2; }
    void playModule(MusicHandle) override {}
    void stopModule(MusicHandle) override {}
    void freeModule(MusicHandle) override {}
    void setModuleVolume(MusicHandle, std::int32_t) override {}
};

// A fresh folder under the system's temporary folder, made at the first call
// and removed when the process ends.
const std::filesystem::path& scratchFolder();

// Writes bytes to a file below the scratch folder, creating its folders.
void writeScratch(const std::filesystem::path& relative, std::string_view bytes);

// The demo game's folder, whose files some targets put in place.
std::filesystem::path demoFolder();

// Copies the demo's data files into the scratch folder: tables, shops,
// constants, libraries and the definition, and the story when asked.
void copyDemoData(bool story = false);


struct FuzzGame {
    FuzzGame();
    QuietFrontend frontend;
    FixedClock clock;
    std::unique_ptr<RandomSource> random = makeSeededRandom(1);
    Game game{frontend, clock, *random};
};

// A new game prepared from the scratch folder's definition and data.
struct PreparedGame : FuzzGame {
    PreparedGame();
};

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at its zero bytes: a target that needs several texts reads
// them from one input this way.
std::vector<std::string_view> parts(std::string_view input);

}  // namespace morvane::fuzz
