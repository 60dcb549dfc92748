#include "save/SavedPositionList.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdint>
#include <system_error>

#include <sys/stat.h>

#include "base/Win1250.h"
#include "game/Game.h"
#include "game/GameFolders.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".mkp";

// "*.mkp" as the platform matches it: the extension in any letter case.
bool IsPositionFile(const fs::directory_entry& entry) {
    std::error_code ec;
    if (!entry.is_regular_file(ec)) return false;
    const std::string name = entry.path().filename().string();
    return name.size() >= kExtension.size() &&
           lowerCase(std::string_view(name).substr(name.size() - kExtension.size())) == kExtension;
}

// The position files of the save folder, in name order, so that which files
// make the first 100 doesn't depend on the file system.
std::vector<fs::path> PositionFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsPositionFile(*it)) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The time of the file's last write as the system keeps it: any date a file
// system can hold (one from 1800 included), where the library's file clock
// covers only some centuries.
std::chrono::sys_seconds LastWrite(const fs::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return {};
    return std::chrono::sys_seconds(std::chrono::seconds(status.st_mtim.tv_sec));
}

TSav EntryOf(const fs::path& file) {
    std::string name = file.filename().string();
    name.resize(name.size() - kExtension.size());
    return TSav{fromUtf8(name), file, LastWrite(file)};
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
           static_cast<char>('0' + value % 10);
}

// Local date and time in the Czech short forms, "D.M.YYYY H:MM:SS".
std::string DateAndTime(std::chrono::sys_seconds cas) {
    const std::time_t seconds = static_cast<std::time_t>(cas.time_since_epoch().count());
    std::tm t{};
    if (localtime_r(&seconds, &t) == nullptr) return "?";
    return std::to_string(t.tm_mday) + "." + std::to_string(t.tm_mon + 1) + "." +
           std::to_string(std::int64_t{t.tm_year} + 1900) + " " + std::to_string(t.tm_hour) +
           ":" + TwoDigits(t.tm_min) + ":" + TwoDigits(t.tm_sec);
}

}  // namespace

std::string LoadDialogHeading() { return cz("Načíst pozici:"); }

std::string LoadDialogEmpty() {
    return cz("Žádná uložená pozice.\rZavřeš kliknutím\rnebo klávesou.");
}

std::string SavedPositionCaption(const TSav& entry) {
    return entry.nazev + " [" + DateAndTime(entry.cas) + "]";
}

std::vector<std::string> ListSavedPositions(Game& game) {
    std::vector<TSav>& pozice = game.ulozeni.pozice;
    pozice.clear();
    // A read-only game may still hold positions saved when it could be
    // written: they are listed after the player folder's own.
    std::vector<fs::path> files = PositionFiles(PlayerFolder(game.gameFolder()) / "save");
    if (PlayerFolder(game.gameFolder()) != game.gameFolder() && GameKeeps(game.gameFolder(), "save")) {
        const std::vector<fs::path> own = PositionFiles(game.gameFolder() / "save");
        files.insert(files.end(), own.begin(), own.end());
    }
    for (const fs::path& file : files) {
        if (pozice.size() == kListedPositions) break;
        pozice.push_back(EntryOf(file));
    }
    // Stable, so positions saved in the same instant stay in name order.
    std::stable_sort(pozice.begin(), pozice.end(),
                     [](const TSav& a, const TSav& b) { return a.cas > b.cas; });
    std::vector<std::string> captions;
    for (std::size_t k = 0; k < pozice.size() && k < kShownPositions; ++k)
        captions.push_back(SavedPositionCaption(pozice[k]));
    return captions;
}

std::optional<fs::path> ShownPosition(const Game& game, std::int32_t k) {
    const std::vector<TSav>& pozice = game.ulozeni.pozice;
    const std::size_t shown = std::min(pozice.size(), kShownPositions);
    if (k < 1 || static_cast<std::size_t>(k) > shown) return std::nullopt;
    return pozice[static_cast<std::size_t>(k - 1)].soubor;
}

}  // namespace morvane
