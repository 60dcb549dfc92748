#pragma once
// Where games are found and where a player's files of a game go.
//
// A game is addressed by its folder; the working folder never matters. The
// player's files (saved positions under save/, setup.ini, the variable lists)
// stay in a game folder that can be written, as games have always kept them.
// An installed or read-only game (a package under /usr/share, a CD, a
// read-only mount) gets a folder of its own in the player's data folder,
// $XDG_DATA_HOME/morvane/<game folder name>/, created on first write.
#include <filesystem>
#include <string>
#include <vector>

namespace morvane {

// $XDG_DATA_HOME when it is set to an absolute path, else ~/.local/share;
// empty when no home folder is known either.
std::filesystem::path UserDataFolder();

// True when files can be created in the folder by this process. A game
// folder that can be written keeps its player files even when its save/ can't
// be: saving then fails and says why, as it always has.
bool FolderWritable(const std::filesystem::path& folder);

// True when `name` below the game folder stays inside it: no link on the way
// leads out.
bool GameKeeps(const std::filesystem::path& gameFolder, const std::filesystem::path& name);

// The folder the player's files of the game in `gameFolder` go to.
std::filesystem::path PlayerFolder(const std::filesystem::path& gameFolder);

// The player's file `name` (like "setup.ini") to read: the player folder's
// when it has one, else the game's own, which a read-only game may ship as
// its default.
std::filesystem::path PlayerFileToRead(const std::filesystem::path& gameFolder,
                                       const std::filesystem::path& name);

// The player's file `name` to write, with its folder made when missing; when
// that fails, the write that follows fails and reports it.
std::filesystem::path PlayerFileToWrite(const std::filesystem::path& gameFolder,
                                        const std::filesystem::path& name);

// True when the folder holds a game: data/inicializace.vrn is there.
bool IsGameFolder(const std::filesystem::path& folder);

// The installed games: the folders holding a game under the player's
// $XDG_DATA_HOME/morvane/games and under share/morvane/games beside the
// program's own bin/ folder, each listed once, in that order and by name.
std::vector<std::filesystem::path> InstalledGames();

// The game a program plays when given no folder: the installed game named
// "demo", else the only installed game; empty when there is none or the
// choice is not clear.
std::filesystem::path DefaultGame(const std::vector<std::filesystem::path>& games);

// The game folder a program plays: the one given on its command line, as an
// absolute path, or with none given the default installed game. Empty, with
// `problem` saying why, when that is no folder or there is no such game.
std::filesystem::path GameFolderToPlay(const std::string& given, std::string& problem);

}  // namespace morvane
