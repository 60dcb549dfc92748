#pragma once
// A scripted stand-in for the user interface: it records what the core asked
// to show and answers modal screens as a test tells it to.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/Frontend.h"

namespace morvane::test {

// What a test does at one modal screen. A script given with `=` is the test's
// body at that screen, so it must run: unplayed() tells when the screen never
// opened after it was given. `byDefault` gives an answer the test may never need.
class ScreenScript {
public:
    ScreenScript& operator=(std::function<void()> script) {
        set(std::move(script), true);
        return *this;
    }
    void byDefault(std::function<void()> script) { set(std::move(script), false); }

    // The screen opened: the script plays it. A script may give the next one.
    void play() {
        played_ = true;
        if (!script_) return;
        const std::function<void()> script = script_;
        script();
    }
    bool unplayed() const { return required_ && !played_; }

private:
    void set(std::function<void()> script, bool required) {
        script_ = std::move(script);
        required_ = required && script_;
        played_ = false;
    }
    std::function<void()> script_;
    bool required_ = false;
    bool played_ = false;
};

class FakeFrontend : public Frontend {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void reportError(const std::string& text) override { errors.push_back(text); }
    void historyChanged() override { ++historyRepaints; }
    void traceLine(const std::string& line) override { traces.push_back(line); }
    void closeSideScreens() override { ++sideScreensClosed; }
    void showDeath() override { ++deaths; }
    // Plays the fight through `fight`, which the test sets (clicks and hovers).
    void showFight() override {
        ++fights;
        fight.play();
    }
    // Plays the save screen through `save`, which the test sets.
    void showSave() override {
        ++saveScreens;
        save.play();
    }
    // Play the shop and the sell screen through `shop` and `sell`, which the test sets.
    void showShop() override {
        ++shopScreens;
        shop.play();
    }
    void showSell() override {
        ++sellScreens;
        sell.play();
    }
    void showPicture(const std::string& file, std::int32_t width, std::int32_t height,
                     bool ownSize, const std::string& caption) override {
        pictures.push_back(Picture{file, width, height, ownSize, caption});
    }

    void audioPlayed(const AudioEvent& event) override { audio.push_back(AudioEventText(event)); }

    struct Picture {
        std::string file;
        std::int32_t width, height;
        bool ownSize;
        std::string caption;
    };

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> traces;
    int historyRepaints = 0;
    int sideScreensClosed = 0;
    int deaths = 0;
    int fights = 0;
    ScreenScript fight;
    int saveScreens = 0;
    ScreenScript save;
    int shopScreens = 0;
    ScreenScript shop;
    int sellScreens = 0;
    ScreenScript sell;
    std::vector<Picture> pictures;

    // The screens whose test script never ran.
    std::vector<std::string> unplayedScreens() const {
        std::vector<std::string> names;
        for (const auto& [name, screen] : {std::pair{"fight", &fight}, std::pair{"save", &save},
                                           std::pair{"shop", &shop}, std::pair{"sell", &sell}})
            if (screen->unplayed()) names.push_back(name);
        return names;
    }
    std::vector<std::string> audio;  // "sound FILE", "stream FILE", ..., "stop"
};

}  // namespace morvane::test
