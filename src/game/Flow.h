#pragma once
// What happens between the screens, from the main menu to the end of the
// game, written once for every front end. A front end shows what these
// answer and forwards what the player does: a click on a menu button, a
// typed command, a timer tick. None of them decides anything itself.
//
// Script errors go to the Frontend's general error report. GameEnded (the
// end of the game after the death screen) passes through to the front end,
// which also catches any other failure at the boundary of each event and
// reports it, so the program keeps answering.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "shell/AudioCommands.h"

namespace morvane {

struct Game;

// --- the main menu ------------------------------------------------------

// The texts the main menu shows.
struct MainMenuTexts {
    std::string titul;  // the game's title (also the program's title)
    std::string autor;  // the author line and ": ", together at most 32 bytes
    // What the four picture buttons say: new game, load a position, about, quit.
    std::array<std::string, 4> tlacitka;
};

// The creation of the main menu: the game definition, then the menu skin.
// False when the definition can't be read (reported): no game can start.
bool OpenMainMenu(Game& game);
MainMenuTexts DescribeMainMenu(const Game& game);

// The about box: five caption lines, the engine's name (its link) and the
// version line.
struct AboutTexts {
    std::array<std::string, 5> lines;
    std::string odkaz;
    std::string verze;
};
AboutTexts DescribeAbout();

// --- name entry -----------------------------------------------------------

// The longest hero name the name entry takes.
inline constexpr std::size_t kHeroNameLength = 100;

// The captions of the name entry: the request and the field's label.
struct NameEntryTexts {
    std::string vyzva;
    std::string jmeno;
};
NameEntryTexts DescribeNameEntry();

// A new game asks for the hero's name first.
bool NameEntryAsked(const Game& game);
// What the name field offers at first: the game's own hero name.
std::string OfferedHeroName(const Game& game);
// The field's text, whatever it holds (an empty name too), becomes the
// hero's name, cut to kHeroNameLength bytes.
void AcceptHeroName(Game& game, std::string_view name);

// --- choosing how the game starts -----------------------------------------

// "New game" on the main menu: no saved position will be loaded.
void ChooseNewGame(Game& game);

enum class PositionChoice {
    NotListed,   // no such entry in the load dialog
    Unreadable,  // the file can't be read as a position: reported, nothing chosen
    Chosen,      // read and kept; the next StartGame resumes it
};
// Entry k (from 1) of the load dialog's list (ListSavedPositions), or a
// position file named relative to the game folder. The file is read and
// checked at once, so a player who chose a bad file stays where he chose it.
PositionChoice ChoosePosition(Game& game, std::int32_t k);
PositionChoice ChoosePositionFile(Game& game, const std::filesystem::path& soubor);

// --- the start of a game --------------------------------------------------

// What a game's start-up reads before the game itself: audio (opened with
// `openAudio`) and the main skin.
void PrepareStartUp(Game& game, const AudioBackendOpener& openAudio);
// A new game at location 1, or the chosen position waiting on "continue".
// A content table that can't be read stops the start-up where it failed;
// the failure is reported and the program keeps running. A position of
// another game asks the program to end.
void StartGame(Game& game);

// --- the main window ----------------------------------------------------

// Menu item k (from 1), as a click on its label: false when the menu offers
// no such item.
bool ChooseMenuItem(Game& game, std::int32_t k);
// A page element leading to location `odkaz` was clicked: the move waits
// until RunDeferredMove (the next pointer movement or timer tick), so the
// clicked control is not destroyed inside its own click.
void ChoosePageLink(Game& game, std::int32_t odkaz);
bool DeferredMoveWaiting(const Game& game);
void RunDeferredMove(Game& game);
// "Pokračovat" after a loaded position: false when it is not offered.
bool Continue(Game& game);
// One 100 ms tick of the main window's timer: a waiting move, the countdown.
void Tick(Game& game);

// The pointer entered a link label leading to `link`, standing for list
// entry `idx`, or left it.
void PointAtLink(Game& game, std::int32_t link, std::int32_t idx);
void PointAway(Game& game);

// The captions of the main window's buttons.
struct MainWindowTexts {
    std::string konec, napoveda, audio, postava, vybaveni, pokracovat;
};
MainWindowTexts DescribeMainWindow();

// Which of the main window's side screens and buttons the player may use now.
bool SheetOffered(const Game& game);
bool InventoryOffered(const Game& game);
bool HelpOffered(const Game& game);
bool AudioOffered(const Game& game);
// The help button: shows or hides the help text; false when the skin hides
// the button.
bool ToggleHelp(Game& game);

// The quit button; and whether the program is to end now (quit, "KONEC", a
// position of another game).
void Quit(Game& game);
bool QuitRequested(const Game& game);

}  // namespace morvane
