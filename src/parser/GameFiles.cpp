#include "parser/GameFiles.h"

#include <fstream>
#include <system_error>

#include "base/Files.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/Scramble.h"

namespace morvane {
namespace fs = std::filesystem;
namespace {

const std::string kDataFolder = "./data/";
const std::string kLibraryFolder = "knihovny/";
const std::string kExtension = ".vrn";

// Names come from scripts; a separator would reach outside the game's
// folders, where a working copy is written and deleted.
bool isPlainName(std::string_view name) {
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

// A file name in the script's Windows-1250, as the file system spells it.
fs::path onDisk(std::string_view name) { return fs::path(toUtf8(name)); }

fs::path dataFolder(const GameFiles& files) { return files.gameFolder / files.adresar; }

fs::path tempFolder(const GameFiles& files) {
    return dataFolder(files) / files.podadresar / "temp";
}

fs::path scrambledFolder(const GameFiles& files) {
    return dataFolder(files) / "zasifrovane" / files.podadresar;
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);  // a folder goes only when it is empty
}

bool writeCopy(const fs::path& copy, const std::string& body) {
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    out.write(body.data(), static_cast<std::streamsize>(body.size()));
    out.close();
    return static_cast<bool>(out);
}

// Opens fileName below the current podadresar: unscrambled when its scrambled
// folder exists, else the plain file. `damaged` is the message for a file
// that fails its check.
OpenedFile openBelow(GameFiles& files, Reporter& reporter, const std::string& fileName,
                     const std::string& damaged) {
    if (folderExists(scrambledFolder(files))) {
        const FileStatus status = UnscrambleFile(files, fileName, files.nazevhry);
        if (status == FileStatus::Damaged) reporter.showMessage(damaged);
        const fs::path copy = tempFolder(files) / onDisk(fileName);
        if (status != FileStatus::Ok) return {status, {}, false};
        if (!fileExists(copy)) return {FileStatus::Unreadable, {}, false};
        return {FileStatus::Ok, copy, true};
    }
    const fs::path plain = dataFolder(files) / files.podadresar / onDisk(fileName);
    if (!fileExists(plain)) return {FileStatus::Unreadable, {}, false};
    return {FileStatus::Ok, plain, false};
}

// Reads an opened file as text; the working copy goes whatever happens.
GameText readOpened(GameFiles& files, const OpenedFile& opened, std::string_view name) {
    struct CopyRemover {
        GameFiles& files;
        std::string_view name;
        bool active;
        ~CopyRemover() {
            if (active) RemoveTempCopy(files, name);
        }
    } remover{files, name, opened.tempCopy};
    if (!opened) return {opened.status, {}};
    auto text = readTextFile(opened.path);
    if (!text) return {FileStatus::Unreadable, {}};
    return {FileStatus::Ok, std::move(*text)};
}

}  // namespace

OpenedFile OpenGameFile(GameFiles& files, Reporter& reporter, std::string_view name) {
    files.adresar = kDataFolder;
    files.podadresar.clear();
    const std::string fileName = std::string(name) + kExtension;
    if (!isPlainName(name)) return {};
    return openBelow(files, reporter, fileName, cz("Chybné soubory - ") + fileName + " !");
}

OpenedFile OpenLibraryFile(GameFiles& files, Reporter& reporter, std::string_view name) {
    files.adresar = kDataFolder;
    files.podadresar = kLibraryFolder;
    std::error_code ignored;
    fs::create_directories(dataFolder(files) / files.podadresar, ignored);
    const std::string fileName = std::string(name) + kExtension;
    if (!isPlainName(name)) return {};
    return openBelow(files, reporter, fileName, cz("Chybné soubory v ") + fileName + " !");
}

FileStatus UnscrambleFile(GameFiles& files, std::string_view fileName, std::string_view pass) {
    const auto scrambled = readBinaryFile(scrambledFolder(files) / onDisk(fileName));
    if (!scrambled) return FileStatus::Unreadable;
    const fs::path folder = tempFolder(files);
    const fs::path copy = folder / onDisk(fileName);
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    const UnscrambledText plain = unscrambleText(*scrambled, pass.size());
    FileStatus status = FileStatus::Ok;
    if (!writeCopy(copy, plain.body))
        status = FileStatus::Unreadable;
    else if (plain.header != pass)
        status = FileStatus::Damaged;
    if (status != FileStatus::Ok) {
        removeQuietly(copy);
        removeQuietly(folder);
    }
    return status;
}

void RemoveTempCopy(GameFiles& files, std::string_view name) {
    removeQuietly(tempFolder(files) / onDisk(std::string(name) + kExtension));
    removeQuietly(tempFolder(files));
}

GameText ReadGameFile(GameFiles& files, Reporter& reporter, std::string_view name) {
    return readOpened(files, OpenGameFile(files, reporter, name), name);
}

GameText ReadLibraryFile(GameFiles& files, Reporter& reporter, std::string_view name) {
    return readOpened(files, OpenLibraryFile(files, reporter, name), name);
}

}  // namespace morvane
