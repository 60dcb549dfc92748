// morvane-zasifruj: turns the script files of a game folder into the
// scrambled form the engine reads from data/zasifrovane/, keyed by the game
// name of the folder's data/inicializace.vrn.
//
//   morvane-zasifruj GAME_FOLDER
//   morvane-zasifruj --help | --version
//
// Every data/NAME.vrn becomes data/zasifrovane/NAME.vrn and every
// data/knihovny/NAME.vrn becomes data/zasifrovane/knihovny/NAME.vrn. The
// definition record itself stays plain: the engine reads it before it knows
// the game name. The plain files are left in place; a game shipped scrambled
// simply leaves them out.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/Files.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/GameDefinition.h"
#include "parser/Scramble.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> scriptFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const fs::path& p = entry.path();
        if (entry.is_regular_file() && p.extension() == ".vrn" &&
            p.filename() != "inicializace.vrn")
            files.push_back(p);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A plain byte 0x12 would be stored as 0x1A, which ends a text file when the
// engine reads it back: such a file can't be scrambled without losing its tail.
bool carriable(const fs::path& file) {
    const std::string text = morvane::readTextFile(file).value_or("");
    if (text.find('\x12') == std::string::npos) return true;
    std::cerr << file.string() << ": holds the byte 0x12, which the scrambled form can't carry\n";
    return false;
}

bool scrambleFolder(const fs::path& plain, const fs::path& target, const std::string& name) {
    bool ok = true;
    for (const fs::path& file : scriptFiles(plain)) {
        const fs::path out = target / file.filename();
        std::error_code error;
        fs::create_directories(target, error);
        if (!carriable(file) || !morvane::scrambleFile(file, out, name)) {
            std::cerr << "cannot scramble " << file.string() << "\n";
            ok = false;
        }
    }
    return ok;
}

const char* const kUsage =
    "Usage: morvane-zasifruj GAME_FOLDER\n"
    "Writes the scrambled form of a game's script files: every data/NAME.vrn (but the\n"
    "definition inicializace.vrn) to data/zasifrovane/NAME.vrn and every\n"
    "data/knihovny/NAME.vrn to data/zasifrovane/knihovny/NAME.vrn, keyed by the game name\n"
    "of data/inicializace.vrn. The plain files stay; leave them out of the game you ship.\n"
    "Exit status: 0 written, 1 a file could not be scrambled, 2 bad usage.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 2 && first == "--version") {
        std::cout << "morvane-zasifruj " << MORVANE_VERSION << "\n";
        return 0;
    }
    // An option this program doesn't know is never taken for a folder.
    if (argc != 2 || first.starts_with("-")) {
        std::cerr << kUsage;
        return 2;
    }
    const fs::path game = first;
    if (!fs::is_regular_file(game / "data" / "inicializace.vrn")) {
        std::cerr << game.string() << ": not a game folder (no data/inicializace.vrn)\n";
        return 2;
    }
    std::string name;
    try {
        name = morvane::GameDefinition::load(game).gameName();
    } catch (const morvane::GameFileError& error) {
        std::cerr << morvane::toUtf8(error.what()) << "\n";  // the engine's texts are Windows-1250
        return 1;
    }
    const fs::path data = game / "data";
    // A folder downloaded with the game may carry data/zasifrovane as a link
    // to a folder of the player's; nothing is written through it.
    for (const fs::path& target : {data / "zasifrovane", data / "zasifrovane" / "knihovny"}) {
        if (!morvane::staysInside(game, target)) {
            std::cerr << target.string() << ": leads outside the game folder; nothing was written\n";
            return 1;
        }
    }
    const bool ok = scrambleFolder(data, data / "zasifrovane", name) &&
                    scrambleFolder(data / "knihovny", data / "zasifrovane" / "knihovny", name);
    return ok ? 0 : 1;
}
