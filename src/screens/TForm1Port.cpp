// The main window as the core's front end: what the core asks to be shown
// while a location runs.
#include <iostream>

#include "base/Win1250.h"
#include "game/Game.h"
#include "screens/Host.h"
#include "screens/QtText.h"
#include "screens/TForm1.h"
#include "screens/TForm12.h"
#include "screens/TForm13.h"
#include "screens/TForm2.h"
#include "screens/TInventory.h"
#include "screens/TObchod.h"
#include "screens/TProdej.h"
#include "screens/TSaveForm.h"
#include "screens/TSouboj.h"

namespace morvane {

void TForm1::showMessage(const std::string& text) { host_.message(this, qtText(text)); }

void TForm1::reportError(const std::string& text) { host_.error(this, qtText(text)); }

// The trace is for the author at the terminal the window was started from.
void TForm1::traceLine(const std::string& line) { std::cerr << toUtf8(line) << std::endl; }

// A countdown that expires closes the character sheet and the inventory.
void TForm1::closeSideScreens() {
    if (screens_.sheet && screens_.sheet->isVisible()) screens_.sheet->finish();
    if (screens_.inventory && screens_.inventory->isVisible()) screens_.inventory->finish();
}

// Each modal screen opens over the page as far as the running location has
// built it.
void TForm1::showDeath() {
    Refresh();
    if (screens_.death) screens_.death->ShowDeath(*game_, stage_);
}

void TForm1::showFight() {
    Refresh();
    if (screens_.fight) screens_.fight->ShowFight(*game_, this);
}

void TForm1::showPicture(const std::string& file, std::int32_t width, std::int32_t height,
                         bool ownSize, const std::string& caption) {
    Refresh();
    // An object's picture viewed from the inventory stands on black.
    const bool black = screens_.inventory && screens_.inventory->isVisible();
    if (screens_.picture)
        screens_.picture->ShowPicture(*game_, file, width, height, ownSize, caption, black);
}

void TForm1::showSave() {
    Refresh();
    if (screens_.save) screens_.save->ShowSave(*game_, this);
}

void TForm1::showShop() {
    Refresh();
    if (screens_.shop) screens_.shop->ShowShop(*game_, this);
}

void TForm1::showSell() {
    Refresh();
    if (screens_.sell) screens_.sell->ShowSell(*game_, this);
}

// The player hears what the audio player does; the window shows nothing of it.
void TForm1::audioPlayed(const AudioEvent&) {}

}  // namespace morvane
