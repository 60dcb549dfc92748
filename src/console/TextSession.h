#pragma once
// The terminal front end: the whole game played over a line-based protocol.
// Each screen of the game is a command loop; a modal screen that the core
// opens (a fight, a picture) is a loop nested inside the core's call, exactly
// as a modal window would be. After start-up and after every command one
// state is printed: a JSON object a line, or text for a person. A person
// types the numbers the screens show and is told why a command was refused;
// the JSON protocol names table entries and answers "unknown command".
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "console/LineReader.h"
#include "console/TextOptions.h"
#include "game/Frontend.h"
#include "game/Refusal.h"
#include "nlohmann/json.hpp"

namespace morvane {

struct Game;
struct HumanView;

class TextSession final : public Frontend {
public:
    TextSession(std::istream& in, std::ostream& out, std::ostream& err, TextOptions options);
    ~TextSession() override;

    // Plays until the game ends: 0 when it ended, 1 when it could not start.
    int run();

    // Reads the player's lines from a descriptor, so that a person's
    // countdown runs on the clock while the game waits for a line.
    void readDescriptor(int fd) { reader_.useDescriptor(fd); }

    void showMessage(const std::string& text) override;
    void reportError(const std::string& text) override;
    void historyChanged() override {}
    void traceLine(const std::string& line) override;
    void closeSideScreens() override;
    void showDeath() override;
    void showFight() override;
    void showSave() override;
    void showShop() override;
    void showSell() override;
    void showPicture(const std::string& file, std::int32_t width, std::int32_t height,
                     bool ownSize, const std::string& caption) override;
    void audioPlayed(const AudioEvent& event) override;

    enum class Screen {
        Menu, Name, Load, About, Main, Sheet, Inventory, Fight, Shop, Sell, Save, Picture,
        Audio, Death, Ended
    };

private:
    struct Command {
        std::vector<std::string> words;
        std::string line;  // as typed, without blanks around it
        std::string rest;  // the line after the first word, as typed
        bool interrupted = false;  // no line: the clock changed the game
        std::string word(std::size_t i) const { return i < words.size() ? words[i] : ""; }
    };
    struct InputEnded {};

    // Shows the screen and reads the next command; with `clock`, a person's
    // countdown runs while the line is awaited. "help" and "?" are answered
    // here for a person.
    Command next(Screen screen, const nlohmann::ordered_json& screenTexts = nullptr,
                 bool clock = false);
    bool human() const { return !options_.json; }
    // Says why a command did nothing ("unknown command" in JSON).
    void refuse(Refusal refusal);
    // What a person is told a command did (nothing in JSON).
    void confirm(const std::string& win1250);
    bool clockTick();
    // A person sees the page a move has written so far before a screen it opens.
    void showMoveSoFar();
    HumanView humanNow();
    void emit(Screen screen, const nlohmann::ordered_json& screenTexts);

    // Runs a core operation at the boundary of a command: a failure that
    // escapes it is reported, and the program goes on answering.
    void guarded(const std::function<void()>& operation);
    int cannotStart();

    void newGame();
    void play();
    void menuScreen();
    void nameScreen();
    void aboutScreen();
    bool loadScreen();
    void mainScreen();
    Refusal mainCommand(const Command& c);
    Refusal sideScreen(const std::string& verb);
    void sheetScreen();
    Refusal sheetCommand(const Command& c);
    void inventoryScreen();
    bool inventoryCommand(const Command& c);
    Refusal inventoryHuman(const Command& c);
    void audioScreen();
    Refusal audioCommand(const Command& c);
    bool fightCommand(const Command& c);
    Refusal fightHuman(const Command& c);
    Refusal fightChoice(std::optional<std::int32_t> k, bool info);
    Refusal shopCommand(const Command& c);
    Refusal sellCommand(const Command& c);
    Refusal sellHuman(const Command& c);

    std::ostream& out_;
    std::ostream& err_;
    TextOptions options_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<Game> game_;
    bool started_ = false;  // the game has been prepared: states carry "game"
    LineReader reader_;
    std::vector<std::string> messages_;
    std::vector<std::string> sounds_;
    std::vector<std::string> notes_;  // a person's refusals and confirmations, UTF-8
    bool quiet_ = false;              // a person's command changed nothing: show only notes
    bool moving_ = false;             // a move runs: the page grows
    std::size_t pageShown_ = 0;       // page elements shown while the move ran,
    std::int32_t pageLokace_ = 0;     // of this location
    bool sideClosed_ = false;         // the countdown closed the sheet or the inventory
    std::vector<std::string> infoShown_;  // the info lines a person has seen
    std::string xpinfo_;  // the sheet's hint line
    struct PictureShown {
        std::string file, caption;
        std::int32_t width = 0, height = 0;
    } picture_;
};

}  // namespace morvane
