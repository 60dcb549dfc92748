#pragma once
// A scripted stand-in for the user interface: it records what the core asked
// to show and answers modal screens as a test tells it to.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/Frontend.h"

namespace morvane::test {

class FakeFrontend : public Frontend {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void reportError(const std::string& text) override { errors.push_back(text); }
    void historyChanged() override { ++historyRepaints; }
    void closeSideScreens() override { ++sideScreensClosed; }
    void showDeath() override { ++deaths; }
    // Plays the fight through `fight`, which the test sets (clicks and hovers).
    void showFight() override {
        ++fights;
        if (fight) fight();
    }
    // Plays the save screen through `save`, which the test sets.
    void showSave() override {
        ++saveScreens;
        if (save) save();
    }
    // Play the shop and the sell screen through `shop` and `sell`, which the test sets.
    void showShop() override {
        ++shopScreens;
        if (shop) shop();
    }
    void showSell() override {
        ++sellScreens;
        if (sell) sell();
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
    int historyRepaints = 0;
    int sideScreensClosed = 0;
    int deaths = 0;
    int fights = 0;
    std::function<void()> fight;
    int saveScreens = 0;
    std::function<void()> save;
    int shopScreens = 0;
    std::function<void()> shop;
    int sellScreens = 0;
    std::function<void()> sell;
    std::vector<Picture> pictures;
    std::vector<std::string> audio;  // "sound FILE", "stream FILE", ..., "stop"
};

}  // namespace morvane::test
