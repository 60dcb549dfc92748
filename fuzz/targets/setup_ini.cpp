// The player's audio settings file (setup.ini).
#include "FuzzSupport.h"
#include "shell/Audio.h"
#include "shell/AudioSetup.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TAudio audio(std::make_unique<fuzz::SilentAudio>(), fuzz::scratchFolder(), {});
    ApplyAudioSetup(audio, fuzz::asText(data, size));
    AudioSetupText(audio);
    return 0;
}
