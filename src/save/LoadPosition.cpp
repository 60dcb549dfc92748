#include "save/LoadPosition.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <string>

#include "base/Files.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "game/GameFolders.h"
#include "game/NewGame.h"
#include "parser/Libraries.h"
#include "parser/LocationSource.h"
#include "save/SavedPositionRecord.h"
#include "shell/AudioCommands.h"

namespace morvane {
namespace {

std::string DisplayName(const std::filesystem::path& file) {
    return fromUtf8(file.filename().string());
}

// Reads the file whole into `record`; a file that is not exactly one record
// long is no position of this engine. Answers what is wrong, or empty.
std::string ReadRecord(const std::filesystem::path& file, ulozenapozice& record) {
    if (!fileExists(file)) return cz(" nelze otevřít.");
    std::ifstream in(file, std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (!in || size != static_cast<std::streamoff>(sizeof record))
        return cz(" nemá velikost uložené pozice.");
    in.seekg(0);
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    if (in.gcount() != static_cast<std::streamsize>(sizeof record)) return cz(" nelze přečíst.");
    return {};
}

// Counts outside the tables would restore entries that don't exist.
bool CountsFit(const ulozenapozice& r) {
    return std::ranges::all_of(
        std::array{r.pocetzbrani, r.pocetzbroji, r.pocetpredmetu, r.pocetobjektu, r.pocetkouzel,
                   r.pocetutoku},
        [](std::int32_t count) { return count >= 0 && count <= kTableEntries; });
}

bool SameGame(const Game& game, const ulozenapozice& r) {
    return r.stavhry.titulhry.view() == game.definice.titulhry.view() &&
           r.stavhry.nazevhry.view() == game.definice.nazevhry.view();
}

// The first entries of the table, as many as both the saved table and the
// one start-up read have, take the saved value of one field.
template <class Entry, class Field, std::size_t N>
void RestoreField(Table<Entry, N>& table, std::int32_t count, const Entry* saved,
                  std::int32_t savedCount, Field Entry::*field) {
    const std::int32_t n = std::min(count, savedCount);
    for (std::int32_t i = 0; i < n; ++i) table.items[i].*field = saved[i].*field;
}

void RestorePossessions(Game& game, const ulozenapozice& r) {
    RestoreField(game.zbrane, game.pocetzbrani, r.zbrane, r.pocetzbrani, &TZbran::mnozstvi);
    RestoreField(game.zbroje, game.pocetzbroji, r.zbroje, r.pocetzbroji, &TZbroj::mnozstvi);
    RestoreField(game.kouzla, game.pocetkouzel, r.kouzla, r.pocetkouzel, &TKouzlo::umime);
    RestoreField(game.utoky, game.pocetutoku, r.utoky, r.pocetutoku, &TUtok::umime);
    RestoreField(game.predmety, game.pocetpredmetu, r.predmety, r.pocetpredmetu,
                 &TPredmet::mnozstvi);
    // Objects are the script's own, not the library files': they come back whole.
    game.pocetobjektu = r.pocetobjektu;
    std::copy_n(r.objekty, r.pocetobjektu, game.objekty.items.begin());
}

// A library that can't be read stands in the list as its error text.
bool Readable(const TMyPlugin& library) {
    return library.obsah != "Nenalezena knihovna " + library.nazev + " !!!!";
}

// The library text that replaced the story when the position was saved
// replaces it again. The story itself is read first, so that a later
// redirect back to it finds it.
void ReinstateRedirect(Game& game) {
    StoryStore& store = game.pribeh;
    if (game.stavhry.knihovna.empty()) return;
    if (!store.nacteno) ReadStory(store, game.frontend);
    const std::size_t index = UseLibrary(store, game.frontend, game.stavhry.knihovna.str());
    const TMyPlugin& library = store.seznamknihoven[index];
    if (!Readable(library)) {
        // The player has been told; the game keeps its own story, and a later
        // save must not record a redirect that is not in force.
        game.stavhry.knihovna.assign("");
        return;
    }
    ReplaceStory(store, library.obsah);
}

void ReinstateSurroundings(Game& game) {
    const stavhry& s = game.stavhry;
    if (!s.nazevprefixu.empty())
        game.pribeh.prefix = UseLibrary(game.pribeh, game.frontend, s.nazevprefixu.str());
    if (!s.nazevsuffixu.empty())
        game.pribeh.suffix = UseLibrary(game.pribeh, game.frontend, s.nazevsuffixu.str());
}

// The main window waits on its continue button, which resumes at the saved
// location; the character and equipment buttons come back with it.
void OfferContinue(Game& game) {
    game.cilovalokace = game.stavhry.lokace;
    game.okno.pokracovatVisible = true;
    game.okno.postavaVisible = false;
    game.okno.vybaveniVisible = false;
    game.okno.menuVisible = true;  // the saved heading, with no items yet
    game.okno.headingByLength = true;
}

void SwapIn(Game& game, const ulozenapozice& r) {
    game.stavhry = r.stavhry;
    game.hrac = r.hrac;
    ReinstateRedirect(game);
    RestorePossessions(game, r);
    ReinstateSurroundings(game);
    game.stavhry.pocetpolozek = 0;
    RestartMusic(game, game.stavhry.hudba, game.stavhry.druhhudby);
    OfferContinue(game);
}

}  // namespace

std::shared_ptr<const ulozenapozice> ReadPosition(Game& game,
                                                  const std::filesystem::path& soubor) {
    const std::filesystem::path file =
        soubor.is_absolute() ? soubor : PlayerFileToRead(game.gameFolder(), soubor);
    auto record = std::make_shared<ulozenapozice>();
    std::string problem = ReadRecord(file, *record);
    if (problem.empty() && !CountsFit(*record)) problem = cz(" je poškozený.");
    if (problem.empty()) return record;
    game.frontend.reportError(cz("Pozici nelze načíst: soubor ") + DisplayName(file) + problem);
    return nullptr;
}

LoadResult LoadPosition(Game& game, const ulozenapozice& record) {
    if (!SameGame(game, record)) {
        game.frontend.showMessage(cz("Uložená pozice nepatří k této hře! Program bude ukončen"));
        return LoadResult::OtherGame;
    }
    SwapIn(game, record);
    return LoadResult::Loaded;
}

LoadResult LoadPosition(Game& game, const std::filesystem::path& soubor) {
    const auto record = ReadPosition(game, soubor);
    return record ? LoadPosition(game, *record) : LoadResult::Unreadable;
}

LoadResult StartLoadedGame(Game& game, const ulozenapozice& record) {
    PrepareGame(game);
    const LoadResult result = LoadPosition(game, record);
    if (result == LoadResult::OtherGame) game.okno.quitRequested = true;
    return result;
}

}  // namespace morvane
