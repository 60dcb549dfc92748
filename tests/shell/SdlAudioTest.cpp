#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <tuple>

#include "base/TextFile.h"
#include "shell/Audio.h"
#include "shell/SdlAudioBackend.h"
#include "support/TempFolder.h"

using namespace morvane;

namespace {

void put(std::string& out, std::uint32_t value, int bytes, bool bigEndian = false) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>(value >> (8 * (bigEndian ? bytes - 1 - i : i)));
    }
}

// A third of a second of a 441 Hz square wave: 16-bit mono PCM at 22050 Hz.
std::string squareWav() {
    std::string data;
    for (int i = 0; i < 22050 / 3; ++i) put(data, (i / 25) % 2 ? 12000 : -12000, 2);
    std::string wav = "RIFF";
    put(wav, 36 + data.size(), 4);
    wav += "WAVEfmt ";
    // Chunk size, PCM, mono, 22050 Hz, bytes a second, bytes a frame, bits.
    const std::pair<std::uint32_t, int> fmt[] = {{16, 4}, {1, 2}, {1, 2}, {22050, 4},
                                                 {44100, 4}, {2, 2}, {16, 2}};
    for (const auto& [value, bytes] : fmt) put(wav, value, bytes);
    wav += "data";
    put(wav, data.size(), 4);
    return wav + data;
}

// A four-channel module: one looped square-wave sample, one pattern whose
// first row plays it on the first channel.
std::string squareModule() {
    std::string mod(20, '\0');  // title
    for (int s = 1; s <= 31; ++s) {
        mod += std::string(22, '\0');     // name
        put(mod, s == 1 ? 32 : 0, 2, true);  // length in words
        mod += '\0';                         // finetune
        mod += static_cast<char>(s == 1 ? 64 : 0);  // volume
        put(mod, 0, 2, true);                       // loop start
        put(mod, s == 1 ? 32 : 1, 2, true);         // loop length
    }
    mod += std::string{1, 127} + std::string(128, '\0') + "M.K.";  // one pattern in the song
    std::string pattern(64 * 4 * 4, '\0');
    // Row 1, channel 1: sample 1 at period 428.
    pattern.replace(0, 3, std::string{0x01, static_cast<char>(0xAC), 0x10});
    mod += pattern;
    for (int i = 0; i < 64; ++i) mod += static_cast<char>(i < 32 ? 100 : -100);
    return mod;
}

// The 16-bit samples of the driver's output louder than a faint hiss.
int loudSamples(const std::string& raw) {
    int loud = 0;
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
        std::int16_t s;
        std::memcpy(&s, raw.data() + i, 2);
        loud += s > 1000 || s < -1000;
    }
    return loud;
}

}  // namespace

TEST(SdlAudio, SamplesModulesAndStreamsComeOutAsRealSound) {
    test::TempFolder folder;
    folder.write("audio/beep.wav", squareWav());
    folder.write("audio/tune.mod", squareModule());
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    // Plays on SDL's disk driver for a moment; -1 when that driver is missing
    // (it then writes no file).
    const auto loudness = [&](const std::string& name, auto play) {
        const auto out = folder.path() / (name + ".raw");
        ::setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        {
            TAudio audio(OpenSdlAudio(), folder.path() / "audio");
            play(audio);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        WaitUntilAudioClosed();
        const auto raw = readBinaryFile(out);
        return raw ? loudSamples(*raw) : -1;
    };
    const int sound = loudness("sound", [](TAudio& a) {
        a.PlaySound("missing.wav");
        a.PlaySound("beep.wav");
    });
    const int track = loudness("track", [](TAudio& a) { a.PlayTrack("TUNE.MOD"); });
    const int stream = loudness("stream", [](TAudio& a) { a.PlayStream("beep.wav"); });
    ::unsetenv("SDL_AUDIODRIVER");
    ::unsetenv("SDL_DISKAUDIOFILE");
    if (sound < 0) GTEST_SKIP() << "SDL has no disk audio driver here";
    EXPECT_GT(sound, 1000);
    EXPECT_GT(track, 1000);
    EXPECT_GT(stream, 1000);
    // Volumes keep silence, the faintest sound and full volume.
    EXPECT_EQ(std::make_tuple(mixerVolume(0), mixerVolume(1), mixerVolume(255)),
              std::make_tuple(0, 1, 128));
}
