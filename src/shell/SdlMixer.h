#pragma once
// The sound library, loaded when the first sound is wanted rather than with
// the program: with its decoders and sound servers it is some seventy shared
// libraries, whose loading and start-up would otherwise delay every start,
// even of a game that never makes a sound. The program is built against its
// headers; its functions are looked up by name once it is loaded.
#include <SDL.h>
#include <SDL_mixer.h>

namespace morvane {

#define MORVANE_SDL_MIXER_FUNCTIONS(X)                                                     \
    X(SDL_SetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(Mix_Init) X(Mix_Quit)        \
    X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_AllocateChannels) X(Mix_LoadWAV)              \
    X(Mix_FreeChunk) X(Mix_VolumeChunk) X(Mix_PlayChannel) X(Mix_Playing) X(Mix_Volume)    \
    X(Mix_HaltChannel) X(Mix_LoadMUS) X(Mix_FreeMusic) X(Mix_PlayMusic) X(Mix_PauseMusic)  \
    X(Mix_ResumeMusic) X(Mix_HaltMusic) X(Mix_VolumeMusic)

// The library's functions the audio back end calls, named as the library
// names them.
struct SdlMixer {
#define MORVANE_DECLARE(name) decltype(&::name) name = nullptr;
    MORVANE_SDL_MIXER_FUNCTIONS(MORVANE_DECLARE)
#undef MORVANE_DECLARE
};

// Loads the library on the first call; nullptr (every time) when it or one
// of its functions can't be found.
const SdlMixer* LoadSdlMixer();

}  // namespace morvane
