#pragma once
// Ctrl+C, SIGTERM and a closed terminal end the program at once, whatever it
// is doing: on the main menu, waiting for the player, or deep in a long
// computation. Files are written to a temporary file and renamed into place,
// so ending at any moment leaves no half-written file behind.

namespace morvane {

// Installs the handlers; call once at the start of a program. A signal that
// the program was started with ignored stays ignored, as a background job
// expects. The audio device is opened without the audio library's own
// handlers, which would swallow these signals.
void EndOnSignals();

}  // namespace morvane
