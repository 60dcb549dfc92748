#pragma once
// Finding and opening the game's script files under data/: plain, or
// scrambled under data/zasifrovane/, in which case a plain working copy is
// written to a temp/ folder beside the plain file's place, read, and removed.
#include <filesystem>
#include <string>
#include <string_view>

#include "base/Reporter.h"

namespace morvane {

// Where game files are looked for. `adresar` and `podadresar` are set by every
// open operation, so UnscrambleFile and RemoveTempCopy work on the folder of
// the file opened last.
struct GameFiles {
    // The game folder; paths below are relative to it. The working folder in
    // the programs, a temporary folder in tests.
    std::filesystem::path gameFolder = ".";
    // The decoded game name: every scrambled file's header must carry it.
    std::string nazevhry;
    std::string adresar;     // "./data/" once a file has been opened
    std::string podadresar;  // "" for game files, "knihovny/" for libraries
};

enum class FileStatus {
    Ok,
    Unreadable,  // missing, or it can't be read or copied
    Damaged,     // a scrambled file whose header doesn't carry the game name
};

struct OpenedFile {
    FileStatus status = FileStatus::Unreadable;
    std::filesystem::path path;  // the file to read, when status is Ok
    bool tempCopy = false;       // path is a plain working copy the reader removes
    explicit operator bool() const { return status == FileStatus::Ok; }
};

// Opens data/NAME.vrn (name without extension), or unscrambles its scrambled
// form when the game is scrambled. A damaged scrambled file shows
// "Chybné soubory - NAME.vrn !". A missing file is no message: callers go on
// without it, scrambled game or not.
OpenedFile OpenGameFile(GameFiles& files, Reporter& reporter, std::string_view name);

// Opens include library data/knihovny/NAME.vrn (creating data/knihovny when
// absent), or unscrambles it from data/zasifrovane/knihovny/. A damaged one
// shows "Chybné soubory v NAME.vrn !".
OpenedFile OpenLibraryFile(GameFiles& files, Reporter& reporter, std::string_view name);

// Writes the plain copy of adresar/zasifrovane/podadresar/fileName (name with
// extension) to adresar/podadresar/temp/fileName. Ok only when the header
// carries `pass` exactly; otherwise no copy is left behind.
FileStatus UnscrambleFile(GameFiles& files, std::string_view fileName, std::string_view pass);

// Deletes the working copy adresar/podadresar/temp/NAME.vrn and its folder
// when that is empty; silent when there is nothing to delete.
void RemoveTempCopy(GameFiles& files, std::string_view name);

struct GameText {
    FileStatus status = FileStatus::Unreadable;
    std::string text;  // up to the first 0x1A, when status is Ok
    explicit operator bool() const { return status == FileStatus::Ok; }
};

// Opens a game file, reads it as text and removes its working copy, also
// when reading fails.
GameText ReadGameFile(GameFiles& files, Reporter& reporter, std::string_view name);

// The same for an include library.
GameText ReadLibraryFile(GameFiles& files, Reporter& reporter, std::string_view name);

}  // namespace morvane
