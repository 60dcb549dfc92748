#pragma once
// Reading the game's script files under data/: plain, or scrambled under
// data/zasifrovane/, in which case the plain text is recovered in memory.
// No plain copy is ever written, so nothing of a scrambled game lands on the
// disk and nothing can be written through a link the game ships.
#include <filesystem>
#include <string>
#include <string_view>

#include "base/Reporter.h"

namespace morvane {

// Where game files are looked for.
struct GameFiles {
    // The game folder; paths below are relative to it. The working folder in
    // the programs, a temporary folder in tests.
    std::filesystem::path gameFolder = ".";
    // The decoded game name: every scrambled file's header must carry it.
    std::string nazevhry;
};

enum class FileStatus {
    Ok,
    Unreadable,  // missing, outside the game folder, or it can't be read
    Damaged,     // a scrambled file whose header doesn't carry the game name
    TooLarge,    // larger than any game's file can be; reported, not read
};

struct GameText {
    FileStatus status = FileStatus::Unreadable;
    std::string text;  // up to the first 0x1A, when status is Ok
    explicit operator bool() const { return status == FileStatus::Ok; }
};

// Reads data/NAME.vrn (name without extension) as text, or unscrambles its
// scrambled form when the game is scrambled (data/zasifrovane/ exists). A
// damaged scrambled file shows "Chybné soubory - NAME.vrn !". A missing file
// is no message: callers go on without it, scrambled game or not.
GameText ReadGameFile(GameFiles& files, Reporter& reporter, std::string_view name);

// The same for include library data/knihovny/NAME.vrn (scrambled under
// data/zasifrovane/knihovny/); a damaged one shows "Chybné soubory v NAME.vrn !".
// A name with a folder separator, or one whose file is a link leading out of
// the game folder, is not read.
GameText ReadLibraryFile(GameFiles& files, Reporter& reporter, std::string_view name);

}  // namespace morvane
