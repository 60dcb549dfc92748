#pragma once
// One random play: a front end that answers every screen with a random
// choice and writes down each choice as a morvane-text command.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "check/RandomPlay.h"
#include "game/Frontend.h"

namespace morvane {
struct Game;
}

namespace morvane::check {

class RandomPlayer final : public Frontend {
public:
    RandomPlayer(const std::filesystem::path& folder, const TGameInit& definice, std::uint64_t seed,
                 RandomReport& report);
    ~RandomPlayer() override;

    void play(std::int32_t maxSteps);
    // The play stopped on a failure that is not the game's.
    bool failed() const { return failed_; }

    void showMessage(const std::string& text) override { problem(text); }
    void reportError(const std::string& text) override { problem(text); }
    void historyChanged() override {}
    void closeSideScreens() override {}
    void showDeath() override;
    void showFight() override;
    void showSave() override;
    void showShop() override;
    void showSell() override;
    void showPicture(const std::string&, std::int32_t, std::int32_t, bool,
                     const std::string&) override {
        command("close");
    }
    void audioPlayed(const AudioEvent&) override {}

private:
    struct Move {
        std::string line;
        std::int32_t target = 0;
        bool menu = false;
        int weight = 1;
    };
    std::vector<Move> mainMoves() const;
    void perform(const Move& move);
    void inventory();
    void sheet();
    void end(EndKind kind);
    void problem(const std::string& text);
    void command(const std::string& line) { route_.push_back(line); }
    StoryPlace here() const;
    int below(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(choice_)); }
    bool chance(int percent) { return below(100) < percent; }
    void checkSavedPosition();

    std::filesystem::path folder_;
    std::uint64_t seed_;
    RandomReport& report_;
    std::mt19937_64 choice_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<Game> game_;
    std::vector<std::string> route_;
    std::string story_;  // the story the current location was read from
    bool died_ = false;
    bool ended_ = false;
    bool stuck_ = false;  // a screen could not be left
    bool failed_ = false;
};

}  // namespace morvane::check
