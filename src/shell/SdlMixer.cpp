#include "shell/SdlMixer.h"

#include <dlfcn.h>

namespace morvane {
namespace {

// The library's run-time name: the one its package installs.
constexpr const char* kLibrary = "libSDL2_mixer-2.0.so.0";

bool Resolve(void* library, const char* name, auto& function) {
    // The SDL functions come from the library the mixer itself loads: a
    // look-up through a loaded library's handle searches what it depends on.
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(library, name));
    return function != nullptr;
}

const SdlMixer* Load() {
    void* library = ::dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    static SdlMixer mixer;
    bool all = true;
#define MORVANE_RESOLVE(name) all = Resolve(library, #name, mixer.name) && all;
    MORVANE_SDL_MIXER_FUNCTIONS(MORVANE_RESOLVE)
#undef MORVANE_RESOLVE
    // The library stays loaded to the end of the program: the sound's own
    // thread may still run its code.
    return all ? &mixer : nullptr;
}

}  // namespace

const SdlMixer* LoadSdlMixer() {
    static const SdlMixer* const mixer = Load();
    return mixer;
}

}  // namespace morvane
