#include "check/FolderCheck.h"

#include <string>
#include <vector>

#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/GameDefinition.h"
#include "shell/GameFilePath.h"
#include "shell/Skin.h"
#include "shell/SkinImage.h"

namespace morvane::check {
namespace fs = std::filesystem;
namespace {

// The interface pictures the screens load from grafika/.
const char* const kSkinPictures[] = {
    "menu", "titulek", "ok", "krizek", "plusko3d", "pozadi_bitva", "pozadi_inventar",
    "pozadi_postava", "tlacitko_1", "tlacitko_1b", "tlacitko_2", "tlacitko_2b", "tlacitko_3",
    "tlacitko_3b", "tlacitko_4", "tlacitko_4b", "ulozit", "neukladat", "smrtcool"};

// The text files below data/ that the engine reads.
const char* const kDataFiles[] = {"data", "zbrane", "zbroje", "predmety", "kouzla",
                                  "utoky", "obchod", "konstanty"};

// The length of the UTF-8 sequence that starts with `lead`; 0 for a byte no
// sequence starts with.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The offset of the first non-ASCII byte of a text that is valid UTF-8, or
// nothing (pure ASCII, or not UTF-8 at all, which is the engine's encoding).
std::optional<std::size_t> utf8Beyond(std::string_view text) {
    std::optional<std::size_t> first;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || i + length > text.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return std::nullopt;
        if (!first) first = i;
        i += length;
    }
    return first;
}

void checkEncoding(const fs::path& folder, const std::string& relative, Findings& findings) {
    const auto bytes = readBinaryFile(folder / relative);
    if (!bytes) return;
    const auto at = utf8Beyond(textPart(*bytes));
    if (!at) return;
    int line = 1;
    for (std::size_t i = 0; i < *at; ++i) line += (*bytes)[i] == '\n';
    findings.error({relative, line},
                   cz("soubor je uložen v UTF-8, ale engine čte Windows-1250: česká písmena "
                      "se zobrazí rozsypaná (uložte ho v kódování Windows-1250)"));
}

void checkScrambled(const fs::path& folder, const std::string& plain, const std::string& scrambled,
                    Findings& findings) {
    std::error_code a, b;
    const auto plainTime = fs::last_write_time(folder / plain, a);
    const auto scrambledTime = fs::last_write_time(folder / scrambled, b);
    if (a || b || scrambledTime >= plainTime) return;
    findings.warning({scrambled, 0}, cz("zašifrovaná kopie je starší než ") + plain +
                                         cz(": hra čte zašifrovanou, starou verzi (zašifrujte znovu)"));
}

void checkDataFiles(const fs::path& folder, Findings& findings) {
    std::vector<std::string> files;
    for (const char* name : kDataFiles) files.push_back(std::string(name) + ".vrn");
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder / "data" / "knihovny", ec)) {
        if (entry.path().extension() == ".vrn") files.push_back("knihovny/" + entry.path().filename().string());
    }
    for (const std::string& file : files) {
        checkEncoding(folder, "data/" + file, findings);
        checkScrambled(folder, "data/" + file, "data/zasifrovane/" + file, findings);
    }
}

void checkSkins(const fs::path& folder, Findings& findings) {
    for (const char* ini : {"menuskin.ini", "skin.ini"}) {
        std::error_code ec;
        if (!fs::is_regular_file(gameFilePath(folder, std::string("grafika\\") + ini), ec))
            findings.warning({std::string("grafika/") + ini, 0},
                             cz("soubor chybí; obrazovky mají výchozí písma a barvy"));
    }
    const std::string menu = ReadMenuSkin(folder).error;
    if (!menu.empty()) findings.error({"grafika/menuskin.ini", 0}, menu);
    const std::string main = ReadSkin(folder).error;
    if (!main.empty()) findings.error({"grafika/skin.ini", 0}, main);
    std::string missing;
    for (const char* name : kSkinPictures) {
        std::error_code ec;
        if (fs::is_regular_file(FindSkinImage(folder, name), ec)) continue;
        missing += (missing.empty() ? "" : ", ") + std::string(name);
    }
    if (!missing.empty())
        findings.warning({"grafika", 0}, cz("chybí obrázky rozhraní (.png, .jpg nebo .gif), "
                                            "obrazovky zůstanou bez nich: ") + missing);
}

}  // namespace

bool IsGameFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "data", ec);
}

std::optional<TGameInit> CheckDefinition(const fs::path& folder, Findings& findings) {
    const std::string file = "data/inicializace.vrn";
    try {
        const GameDefinition definition = GameDefinition::load(folder);
        std::error_code ec;
        const auto size = fs::file_size(folder / file, ec);
        if (!ec && size != sizeof(TGameInit))
            findings.warning({file, 0}, cz("soubor má ") + std::to_string(size) + cz(" bajtů místo ") +
                                            std::to_string(sizeof(TGameInit)) +
                                            cz("; čte se jen první záznam"));
        if (definition.record().zadavanijmena > 1)
            findings.warning({file, 0}, cz("zadávání jména má neznámou hodnotu; hráč jméno nezadá"));
        return definition.record();
    } catch (const GameFileError& e) {
        findings.error({file, 0}, e.what());
        return std::nullopt;
    }
}

void CheckFolderFiles(const fs::path& folder, Findings& findings) {
    checkDataFiles(folder, findings);
    checkSkins(folder, findings);
}

}  // namespace morvane::check
