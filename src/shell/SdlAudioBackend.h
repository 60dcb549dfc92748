#pragma once
// The audio back end over SDL2_mixer: samples (WAV, OGG, MP3, FLAC) on 32
// mixing channels, and one piece of music at a time, sampled (OGG, MP3, WAV,
// FLAC) or a module (MOD, S3M, XM, IT).
#include <cstdint>
#include <memory>

#include "shell/AudioBackend.h"

namespace morvane {

// Opens the audio device at 44100 Hz. Nothing when no device can be opened
// (no sound card, no sound server) or when another SDL back end is open:
// the mixer is one per process. The first device that can't be opened is
// reported with one line on standard error; the sound libraries' own
// diagnostics are kept off it.
std::unique_ptr<AudioBackend> OpenSdlAudio();

// A 0..255 volume as the mixer's 0..128: 0 stays silent, 255 and above is
// full, and every audible value stays audible.
int mixerVolume(std::int32_t volume);

}  // namespace morvane
