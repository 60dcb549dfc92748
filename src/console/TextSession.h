#pragma once
// The terminal front end: the whole game played over a line-based protocol.
// Each screen of the game is a command loop; a modal screen that the core
// opens (a fight, a picture) is a loop nested inside the core's call, exactly
// as a modal window would be. After start-up and after every command one
// state is printed: a JSON object a line, or text for a person.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "console/TextOptions.h"
#include "game/Frontend.h"
#include "nlohmann/json.hpp"

namespace morvane {

struct Game;

class TextSession final : public Frontend {
public:
    TextSession(std::istream& in, std::ostream& out, std::ostream& err, TextOptions options);
    ~TextSession() override;

    // Plays until the game ends: 0 when it ended, 1 when it could not start.
    int run();

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
        std::string rest;  // the line after the first word, as typed
        std::string word(std::size_t i) const { return i < words.size() ? words[i] : ""; }
    };
    struct InputEnded {};

    Command next(Screen screen, const nlohmann::ordered_json& screenTexts = nullptr);
    void unknown();
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
    bool mainCommand(const Command& c);
    void sheetScreen();
    void inventoryScreen();
    bool inventoryCommand(const Command& c);
    void audioScreen();
    bool fightCommand(const Command& c);

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    TextOptions options_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<Game> game_;
    bool started_ = false;  // the game has been prepared: states carry "game"
    std::vector<std::string> messages_;
    std::vector<std::string> sounds_;
    std::string xpinfo_;  // the sheet's hint line
    struct PictureShown {
        std::string file, caption;
        std::int32_t width = 0, height = 0;
    } picture_;
};

}  // namespace morvane
