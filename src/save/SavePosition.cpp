#include "save/SavePosition.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "base/Files.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "game/GameFolders.h"
#include "save/SavedPositionRecord.h"
#include "shell/AudioCommands.h"

namespace morvane {
namespace {

// A name becomes part of a path: it must stay one file inside the save folder.
bool AcceptableName(std::string_view nazev) {
    if (nazev.empty() || nazev.find("..") != std::string_view::npos) return false;
    return std::none_of(nazev.begin(), nazev.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F;
    });
}

// The name of the surrounding library in use, or empty when none is: a name
// left from an earlier game would otherwise bring that library back on loading.
void RecordLibrary(const Game& game, std::optional<std::size_t> index, ShortString<100>& nazev) {
    const TMyPlugin* library = libraryAt(game.pribeh, index);
    nazev.assign(library ? std::string_view(library->nazev) : std::string_view{});
}

template <class Entry, std::size_t N>
void CopyEntries(const Table<Entry, N>& table, std::int32_t count, Entry* slots) {
    std::copy_n(table.items.begin(), std::clamp<std::int32_t>(count, 0, N), slots);
}

// Fills the record: state, hero, counts, music, and the used table slots.
// Slots past each count stay zero.
void FillRecord(const Game& game, ulozenapozice& record) {
    record.stavhry = game.stavhry;
    record.hrac = game.hrac;
    RecordLibrary(game, game.pribeh.prefix, record.stavhry.nazevprefixu);
    RecordLibrary(game, game.pribeh.suffix, record.stavhry.nazevsuffixu);
    if (game.ulozeni.cilulozeni > 0) record.stavhry.lokace = game.ulozeni.cilulozeni;
    record.pocetzbrani = game.pocetzbrani;
    record.pocetzbroji = game.pocetzbroji;
    record.pocetpredmetu = game.pocetpredmetu;
    record.pocetobjektu = game.pocetobjektu;
    record.pocetkouzel = game.pocetkouzel;
    record.pocetutoku = game.pocetutoku;
    RecordMusic(game, record.stavhry.hudba, record.stavhry.druhhudby);
    CopyEntries(game.zbrane, game.pocetzbrani, record.zbrane);
    CopyEntries(game.zbroje, game.pocetzbroji, record.zbroje);
    CopyEntries(game.predmety, game.pocetpredmetu, record.predmety);
    CopyEntries(game.objekty, game.pocetobjektu, record.objekty);
    CopyEntries(game.kouzla, game.pocetkouzel, record.kouzla);
    CopyEntries(game.utoky, game.pocetutoku, record.utoky);
}

// Writes the record; on failure, what failed.
std::error_code WriteRecord(const Game& game, const ulozenapozice& record,
                            const std::string& nazev) {
    std::error_code ec;
    const std::string_view bytes(reinterpret_cast<const char*>(&record), sizeof record);
    writeFileAtomically(PlayerFileToWrite(game.gameFolder(), SavedPositionPath(nazev)), bytes, &ec);
    return ec;
}

// Why a save failed, in the player's words.
std::string FailureReason(const std::error_code& ec) {
    const auto is = [&](std::errc e) { return ec == std::make_error_condition(e); };
    if (is(std::errc::read_only_file_system) || is(std::errc::permission_denied) ||
        is(std::errc::operation_not_permitted))
        return cz("do složky save nelze zapisovat");
    if (is(std::errc::no_space_on_device)) return cz("na disku není místo");
    return fromUtf8(ec.message());
}

}  // namespace

std::filesystem::path SavedPositionPath(const std::string& nazev) {
    return std::filesystem::path("save") / std::filesystem::path(toUtf8(nazev) + ".mkp");
}

SaveResult SavePosition(Game& game, const std::string& nazev) {
    if (!AcceptableName(nazev)) {
        game.frontend.showMessage(
            cz("Pozici nelze uložit: název nesmí být prázdný a nesmí obsahovat lomítko, "
               "„..“ ani řídicí znaky."));
        return SaveResult::BadName;
    }
    // Over a megabyte: on the heap, zeroed so unused slots are written as zeros.
    const auto record = std::make_unique<ulozenapozice>();
    FillRecord(game, *record);
    if (const std::error_code ec = WriteRecord(game, *record, nazev)) {
        game.frontend.reportError(cz("Pozici nelze uložit do souboru ") + nazev + ".mkp (" +
                                  FailureReason(ec) + cz("). Předchozí uložení zůstává.") );
        return SaveResult::WriteFailed;
    }
    game.ulozeni.cilulozeni = 0;
    return SaveResult::Saved;
}

}  // namespace morvane
