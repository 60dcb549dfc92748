#pragma once
// Writing a saved position: the whole game as one ulozenapozice record in
// "save/<name>.mkp" below the game folder.
#include <filesystem>
#include <string>

namespace morvane {

struct Game;

// The file of the position named `nazev` (Windows-1250), relative to the game
// folder. File names on disk are UTF-8.
std::filesystem::path SavedPositionPath(const std::string& nazev);

enum class SaveResult {
    Saved,
    BadName,      // refused before anything was written; the player was told why
    WriteFailed,  // reported; an older position of the same name is untouched
};

// Saves the game under `nazev`, resuming at `cilulozeni` when that is above 0
// (else at the current location), and clears `cilulozeni`. A name that is
// empty or holds a path separator, ".." or a control character is refused.
// The file is written whole beside its target and then renamed over it. The
// running game is not changed; on failure `cilulozeni` stays.
SaveResult SavePosition(Game& game, const std::string& nazev);

}  // namespace morvane
