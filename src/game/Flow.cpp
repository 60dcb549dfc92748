#include "game/Flow.h"

#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "game/NewGame.h"
#include "interpreter/ChangeLoc.h"
#include "interpreter/Help.h"
#include "parser/GameDefinition.h"
#include "save/LoadPosition.h"
#include "save/SavedPositionList.h"
#include "shell/Skin.h"

namespace morvane {
namespace {

// The author line and its ": " together.
constexpr std::size_t kAuthorLine = 32;

PositionChoice Keep(Game& game, const std::filesystem::path& soubor) {
    auto record = ReadPosition(game, soubor);
    if (!record) return PositionChoice::Unreadable;
    game.ulozeni.nacistpozici = true;
    game.ulozeni.soubornacteni = soubor;
    game.ulozeni.nactenapozice = std::move(record);
    return PositionChoice::Chosen;
}

}  // namespace

bool OpenMainMenu(Game& game) {
    try {
        game.definice = GameDefinition::load(game.gameFolder()).record();
    } catch (const GameFileError& failure) {
        game.frontend.reportError(failure.what());
        return false;
    }
    LoadMenuSkinIniFile(game);
    return true;
}

MainMenuTexts DescribeMainMenu(const Game& game) {
    MainMenuTexts texts{game.definice.titulhry.str(), game.definice.autor.str() + ": ",
                        {cz("Nová hra"), cz("Načíst pozici"), cz("O hře"), "Konec"}};
    if (texts.autor.size() > kAuthorLine) texts.autor.resize(kAuthorLine);
    return texts;
}

AboutTexts DescribeAbout() {
    return {{cz("Hra byla vytvořena v"), cz("univerzálním enginu"), cz("k tvorbě gamebooků,"),
             cz("který je možno stáhnout"), cz("na webových stránkách")},
            "Morvane",
            "verze 4.10d"};
}

NameEntryTexts DescribeNameEntry() { return {cz("Zadej jméno své postavy:"), cz("Jméno:")}; }

bool NameEntryAsked(const Game& game) { return game.definice.zadavanijmena == 1; }

std::string OfferedHeroName(const Game& game) { return game.definice.jmenohrdiny.str(); }

void AcceptHeroName(Game& game, std::string_view name) {
    game.hrac.jmeno.assign(name.substr(0, kHeroNameLength));
}

void ChooseNewGame(Game& game) {
    game.ulozeni.nacistpozici = false;
    game.ulozeni.soubornacteni.clear();
    game.ulozeni.nactenapozice.reset();
}

PositionChoice ChoosePosition(Game& game, std::int32_t k) {
    const auto soubor = ShownPosition(game, k);
    return soubor ? Keep(game, *soubor) : PositionChoice::NotListed;
}

PositionChoice ChoosePositionFile(Game& game, const std::filesystem::path& soubor) {
    return Keep(game, soubor);
}

void PrepareStartUp(Game& game, const AudioBackendOpener& openAudio) {
    StartAudio(game, openAudio);
    LoadSkin(game);
}

void StartGame(Game& game) {
    try {
        // The position stays chosen for a later start-up (the main window
        // shown again), as its file name does.
        if (const auto record = game.ulozeni.nactenapozice) StartLoadedGame(game, *record);
        else StartNewGame(game);
    } catch (const ScriptError& failure) {
        game.frontend.reportError(failure.what());
    }
}

bool ChooseMenuItem(Game& game, std::int32_t k) {
    if (!game.okno.menuVisible || k < 1 || k > game.stavhry.pocetpolozek || k > kMenuItems)
        return false;
    PointAtLink(game, game.stavhry.menu[static_cast<std::size_t>(k - 1)].cil, 0);
    Button1Click(game);
    return true;
}

void ChoosePageLink(Game& game, std::int32_t odkaz) {
    if (odkaz > 0) game.odlozenalokace = odkaz;
}

bool DeferredMoveWaiting(const Game& game) { return game.odlozenalokace != 0; }

void RunDeferredMove(Game& game) { ControlForceLoad(game); }

bool Continue(Game& game) {
    if (!game.okno.pokracovatVisible) return false;
    game.cilovalokace = game.stavhry.lokace;
    Button1Click(game);
    return true;
}

void Tick(Game& game) { TimerTimer(game); }

void PointAtLink(Game& game, std::int32_t link, std::int32_t idx) {
    game.cilovalokace = link;
    game.vybranapolozka = idx;
}

void PointAway(Game& game) { PointAtLink(game, 0, 0); }

MainWindowTexts DescribeMainWindow() {
    return {"Konec", cz("Nápověda"), "Audio", "Postava", cz("Vybavení"), cz("Pokračovat")};
}

bool SheetOffered(const Game& game) { return game.okno.postavaVisible; }
bool InventoryOffered(const Game& game) { return game.okno.vybaveniVisible; }
bool HelpOffered(const Game& game) { return game.skin.napoveda; }
bool AudioOffered(const Game& game) { return AudioButtonShown(game.skin, game.audiodostupne); }

bool ToggleHelp(Game& game) {
    if (!HelpOffered(game)) return false;
    NapovedaClick(game);
    return true;
}

void Quit(Game& game) { KonecClick(game); }

bool QuitRequested(const Game& game) { return game.okno.quitRequested; }

}  // namespace morvane
