#pragma once
// The save screen (`TSaveForm`) that the script's "SAVE" command offers: its
// texts and pictures, and what its save button does. Placing it and its look
// (ApplyModalLook with ModalScreen::Save) are the window's.
#include <filesystem>
#include <string>

#include "parser/Command.h"

namespace morvane {

struct Game;

// "SAVE": "ODKAZ" is the location a position saved now resumes at (instead of
// the current one), "NAZEV" the name the screen offers ("Zadej" without it).
// Shows the save screen through the front end and waits until it closes.
void cmdSave(Game& game, const tagg& tag);

struct SaveScreenView {
    std::string nadpis;            // the heading
    std::string popisek;           // the label of the name field
    std::string edit1;             // the name field, as the screen opens
    std::filesystem::path image1;  // background
    std::filesystem::path image2;  // save button
    std::filesystem::path image3;  // cancel button
};

SaveScreenView DescribeSaveScreen(const Game& game);

// What a save that succeeded says: "Pozice NAME je uložena."
std::string SavedReport(const std::string& name);

enum class SaveScreenAction { Close, StayOpen };

// The save button with the name field's text: saves the position. The screen
// closes when it was saved; after a refused name or a failed write (both
// reported) it stays open for another try. The cancel button simply closes it.
SaveScreenAction SaveScreenClick(Game& game, const std::string& name);

}  // namespace morvane
