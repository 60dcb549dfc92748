#pragma once
// Reading a saved position back into a prepared game, and the start of a game
// from a saved position.
#include <filesystem>
#include <memory>

namespace morvane {

struct Game;

struct ulozenapozice;

enum class LoadResult {
    Loaded,
    // The file could not be read, has not the size of a position, or is
    // damaged; reported, and the game was not changed.
    Unreadable,
    // The position belongs to another game (or another version of it); the
    // player was told that the program ends, and the game was not changed.
    // The caller ends the program.
    OtherGame,
};

// Reads the position in `soubor` (relative to the game folder) whole and
// checks it; null when it can't be read, is not one record long or is
// damaged, which is reported.
std::shared_ptr<const ulozenapozice> ReadPosition(Game& game, const std::filesystem::path& soubor);

// Loads a position that ReadPosition read into a game that start-up has
// prepared: game state, hero, objects, what the hero owns and knows of each
// table entry (matched by position), the redirected story, prefix and suffix,
// the music. The game then waits on its continue button, which resumes at
// the saved location.
LoadResult LoadPosition(Game& game, const ulozenapozice& record);
// ReadPosition, then LoadPosition.
LoadResult LoadPosition(Game& game, const std::filesystem::path& soubor);

// A game's start-up with a position read before: a new game is prepared and
// the position loaded into it. A position of another game asks the program
// to end.
LoadResult StartLoadedGame(Game& game, const ulozenapozice& record);

}  // namespace morvane
