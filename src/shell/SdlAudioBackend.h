#pragma once
// The audio back end over SDL2_mixer: samples (WAV, OGG, MP3, FLAC) on 32
// mixing channels, and one piece of music at a time, sampled (OGG, MP3, WAV,
// FLAC) or a module (MOD, S3M, XM, IT).
#include <cstdint>
#include <memory>

#include "shell/AudioBackend.h"

namespace morvane {

// The SDL2_mixer back end. Nothing of the sound library is loaded, and no
// device opened, until the first sound or music is played: a game without
// sound never pays for either. The device is then opened at 44100 Hz; when
// none can be (no sound card, no sound server, or another back end of this
// process has it) one line on standard error says that sound is off, the
// sound libraries' own diagnostics are kept off it, and the back end plays
// nothing.
std::unique_ptr<AudioBackend> OpenSdlAudio();

// Closing a back end that opened the device finishes on a thread of its own;
// this waits until it has (what it wrote is then complete).
void WaitUntilAudioClosed();

// A 0..255 volume as the mixer's 0..128: 0 stays silent, 255 and above is
// full, and every audible value stays audible.
int mixerVolume(std::int32_t volume);

}  // namespace morvane
