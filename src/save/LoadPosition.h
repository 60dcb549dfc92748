#pragma once
// Reading a saved position back into a prepared game, and the start of a game
// from a saved position.
#include <filesystem>

namespace morvane {

struct Game;

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

// Loads the position in `soubor` (relative to the game folder) into a game
// that start-up has prepared. The whole file is read and checked first; only
// then is the state replaced: game state, hero, objects, what the hero owns
// and knows of each table entry (matched by position), the redirected story,
// prefix and suffix, the music. The game then waits on its continue button,
// which resumes at the saved location.
LoadResult LoadPosition(Game& game, const std::filesystem::path& soubor);

// A game's start-up with a position to load: a new game is prepared and the
// position loaded into it. When the file can't be read the new game starts
// at location 1 instead; a position of another game asks the program to end.
LoadResult StartLoadedGame(Game& game, const std::filesystem::path& soubor);

}  // namespace morvane
