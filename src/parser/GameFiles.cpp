#include "parser/GameFiles.h"

#include "base/Files.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/Scramble.h"

namespace morvane {
namespace fs = std::filesystem;
namespace {

const std::string kLibraryFolder = "knihovny";
const std::string kExtension = ".vrn";

// Names come from scripts; a separator would reach outside the game's folders.
bool isPlainName(std::string_view name) {
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           name != "." && name != "..";
}

// A file name in the script's Windows-1250, as the file system spells it.
fs::path onDisk(std::string_view name) { return fs::path(toUtf8(name)); }

// The bytes of a file below the game folder; nothing when it is missing,
// unreadable, or a link that leads out of the game folder. A file too large
// to be a game's is reported, so that it is not taken for a missing one.
std::optional<std::string> readInside(const GameFiles& files, Reporter& reporter,
                                      const fs::path& relative, FileStatus& status) {
    const fs::path path = files.gameFolder / relative;
    if (!fileExists(path) || !staysInside(files.gameFolder, path)) return std::nullopt;
    std::error_code error;
    if (fs::file_size(path, error) > kMaxReadBytes && !error) {
        reporter.showMessage(cz("Soubor ") + fromUtf8(relative.generic_string()) + cz(" je větší než ") +
                             std::to_string(kMaxReadBytes >> 20) + cz(" MB, nebude načten !"));
        status = FileStatus::TooLarge;
        return std::nullopt;
    }
    return readBinaryFile(path);
}

// Reads `fileName` of data/`sub`: unscrambled when the scrambled folder
// exists, else the plain file. `damaged` is the message for a file that fails
// its check.
GameText readBelow(const GameFiles& files, Reporter& reporter, const fs::path& sub,
                   const std::string& fileName, const std::string& damaged) {
    const fs::path scrambled = fs::path("data") / "zasifrovane" / sub;
    if (folderExists(files.gameFolder / scrambled)) {
        FileStatus status = FileStatus::Unreadable;
        const auto bytes = readInside(files, reporter, scrambled / onDisk(fileName), status);
        if (!bytes) return {status, {}};
        UnscrambledText plain = unscrambleText(*bytes, files.nazevhry.size());
        if (plain.header != files.nazevhry) {
            reporter.showMessage(damaged);
            return {FileStatus::Damaged, {}};
        }
        return {FileStatus::Ok, std::move(plain.body)};
    }
    FileStatus status = FileStatus::Unreadable;
    auto bytes = readInside(files, reporter, fs::path("data") / sub / onDisk(fileName), status);
    if (!bytes) return {status, {}};
    bytes->resize(textPart(*bytes).size());
    return {FileStatus::Ok, std::move(*bytes)};
}

}  // namespace

GameText ReadGameFile(GameFiles& files, Reporter& reporter, std::string_view name) {
    if (!isPlainName(name)) return {};
    const std::string fileName = std::string(name) + kExtension;
    return readBelow(files, reporter, {}, fileName, cz("Chybné soubory - ") + fileName + " !");
}

GameText ReadLibraryFile(GameFiles& files, Reporter& reporter, std::string_view name) {
    if (!isPlainName(name)) return {};
    const std::string fileName = std::string(name) + kExtension;
    return readBelow(files, reporter, kLibraryFolder, fileName,
                     cz("Chybné soubory v ") + fileName + " !");
}

}  // namespace morvane
