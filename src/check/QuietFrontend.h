#pragma once
// A front end that shows nothing and keeps what the engine said, for reading
// a game without playing it.
#include <string>
#include <vector>

#include "game/Frontend.h"

namespace morvane::check {

class QuietFrontend : public Frontend {
public:
    void showMessage(const std::string& text) override { said.push_back(text); }
    void reportError(const std::string& text) override { said.push_back(text); }
    void historyChanged() override {}
    void closeSideScreens() override {}
    void showDeath() override {}
    void showFight() override {}
    void showSave() override {}
    void showShop() override {}
    void showSell() override {}
    void showPicture(const std::string&, std::int32_t, std::int32_t, bool,
                     const std::string&) override {}
    void audioPlayed(const AudioEvent&) override {}

    // Everything shown or reported, in order.
    std::vector<std::string> said;
};

}  // namespace morvane::check
