#pragma once
// The one way the core talks back to whoever shows the game: a window, the
// terminal, or a test. The core decides what happens; the front end decides
// how it looks and returns when the player has answered.
#include <cstdint>
#include <string>

#include "base/Reporter.h"
#include "shell/AudioEvent.h"

namespace morvane {

class Frontend : public Reporter {
public:
    // showMessage and reportError come from Reporter.

    // The info lines changed: repaint them now (a modal screen may be open).
    virtual void historyChanged() = 0;

    // One line of the author's trace, while game.stopa is on: a command run
    // or skipped. The line is written at once, never kept.
    virtual void traceLine(const std::string& line) { (void)line; }

    // A countdown expired: close the inventory and the character sheet if
    // either is open, before the next location runs.
    virtual void closeSideScreens() = 0;

    // The death screen, shown modally when the hero's hit points fall below
    // 1. When it returns the core raises GameEnded: the game is over and the
    // front end ends the program.
    virtual void showDeath() = 0;

    // The combat screen, shown modally while a fight runs. The front end shows
    // DescribeFight(game) and hands each hover and click to the fight
    // operations of combat/FightView.h until FightOpen(game) is false, then
    // returns. GameEnded raised by an operation passes through it.
    virtual void showFight() = 0;

    // The save screen ("SAVE"), shown modally. The front end shows
    // DescribeSaveScreen(game) and hands a click on the save button, with the
    // name field's text, to SaveScreenClick(game, name), closing when that
    // answers Close; the cancel button closes it at once (save/SaveScreen.h).
    virtual void showSave() = 0;

    // The shop ("OBCHOD"), shown modally. The front end shows
    // DescribeShop(game) and hands hovers and clicks to the shop operations
    // of character/ShopScreen.h; it returns when the player closes it.
    virtual void showShop() = 0;

    // The sell screen ("PRODEJ"), shown modally. The front end shows
    // DescribeSell(game) and hands hovers and clicks to the sell operations
    // of character/SellScreen.h; it returns when the player closes it.
    virtual void showSell() = 0;

    // The picture window ("OBRAZEK"), shown modally until the player clicks
    // the picture. `file` is the picture's path in the game folder
    // ("./obrazky/NAME"); with `ownSize` the picture keeps its own size,
    // otherwise it is shown `width` x `height` pixels. `caption` stands under it.
    virtual void showPicture(const std::string& file, std::int32_t width, std::int32_t height,
                             bool ownSize, const std::string& caption) = 0;

    // The audio player did something the player hears: a sound, new music,
    // or the music stopped, paused or continued. Only actions the rules let
    // through are reported. A window may ignore it; the terminal prints it.
    virtual void audioPlayed(const AudioEvent& event) = 0;
};

}  // namespace morvane
