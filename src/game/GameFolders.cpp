#include "game/GameFolders.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

#include "base/Files.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return {};
}

// The last part of the game folder's full name: "demo" for
// /usr/share/morvane/games/demo/ as for "." inside it.
fs::path GameName(const fs::path& gameFolder) {
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(gameFolder, ec), ec);
    if (full.empty()) full = fs::absolute(gameFolder, ec).lexically_normal();
    if (!full.has_filename()) full = full.parent_path();
    return full.filename().empty() ? fs::path("hra") : full.filename();
}

// The folder the running program lives in, from the kernel's own record.
fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : program.parent_path();
}

void AddGamesIn(const fs::path& folder, std::vector<fs::path>& games) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsGameFolder(it->path())) found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    for (const fs::path& game : found) {
        const fs::path same = fs::weakly_canonical(game, ec);
        const bool listed = std::any_of(games.begin(), games.end(), [&](const fs::path& g) {
            return fs::weakly_canonical(g, ec) == same;
        });
        if (!listed) games.push_back(game);
    }
}

}  // namespace

fs::path UserDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && fs::path(data).is_absolute()) return data;
    const fs::path home = HomeFolder();
    return home.empty() ? fs::path() : home / ".local" / "share";
}

bool FolderWritable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool GameKeeps(const fs::path& gameFolder, const fs::path& name) {
    return staysInside(gameFolder, gameFolder / name);
}

fs::path PlayerFolder(const fs::path& gameFolder) {
    // A game folder that isn't there is no installed game: writes fail and say so.
    if (!folderExists(gameFolder)) return gameFolder;
    // A game may ship save/ as a link to a folder of the player's: its
    // positions then go to the data folder, never through the link.
    if (FolderWritable(gameFolder) && GameKeeps(gameFolder, "save")) return gameFolder;
    const fs::path data = UserDataFolder();
    // Without a home there is nowhere else: writes fail and say so.
    return data.empty() ? gameFolder : data / "morvane" / GameName(gameFolder);
}

fs::path PlayerFileToRead(const fs::path& gameFolder, const fs::path& name) {
    const fs::path own = PlayerFolder(gameFolder) / name;
    return fileExists(own) || !GameKeeps(gameFolder, name) ? own : gameFolder / name;
}

fs::path PlayerFileToWrite(const fs::path& gameFolder, const fs::path& name) {
    const fs::path player = PlayerFolder(gameFolder);
    const fs::path file = player / name;
    // Without a data folder nothing else is left: such a write fails.
    if (player == gameFolder && !GameKeeps(gameFolder, name.parent_path())) return {};
    // Folders are made below the game folder or in the data folder, never
    // the game folder itself.
    std::error_code ec;
    if (player != gameFolder || folderExists(player)) fs::create_directories(file.parent_path(), ec);
    return file;
}

bool IsGameFolder(const fs::path& folder) {
    return fileExists(folder / "data" / "inicializace.vrn");
}

std::vector<fs::path> InstalledGames() {
    std::vector<fs::path> games;
    if (const fs::path data = UserDataFolder(); !data.empty())
        AddGamesIn(data / "morvane" / "games", games);
    if (const fs::path bin = ProgramFolder(); !bin.empty())
        AddGamesIn(bin.parent_path() / "share" / "morvane" / "games", games);
    return games;
}

fs::path DefaultGame(const std::vector<fs::path>& games) {
    const auto demo = std::find_if(games.begin(), games.end(),
                                   [](const fs::path& g) { return g.filename() == "demo"; });
    if (demo != games.end()) return *demo;
    return games.size() == 1 ? games.front() : fs::path();
}

fs::path GameFolderToPlay(const std::string& given, std::string& problem) {
    fs::path folder = given;
    if (given.empty()) {
        const std::vector<fs::path> games = InstalledGames();
        folder = DefaultGame(games);
        if (folder.empty()) {
            problem = "no game folder was given and ";
            if (games.empty()) problem += "no game is installed";
            else problem += "several games are installed, none of them the demo:";
            for (const fs::path& game : games) problem += "\n  " + game.string();
            return {};
        }
    }
    std::error_code ec;
    folder = fs::absolute(folder, ec).lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();  // "game/" is "game"
    if (ec || !folderExists(folder)) {
        problem = "cannot open the game folder " + given;
        return {};
    }
    return folder;
}

}  // namespace morvane
