#pragma once
// A Game with everything a unit test needs around it: the fake front end, a
// clock stopped at a known moment and a seeded random source.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "base/Platform.h"
#include "game/Game.h"
#include "support/FakeFrontend.h"

namespace morvane::test {

class FixedClock : public Clock {
public:
    LocalTime time{2024, 3, 5, 9, 7, 4};
    LocalTime now() const override { return time; }
};

// A test that plays a screen fails when that screen never opened.
inline void ExpectEveryScreenPlayed(const FakeFrontend& frontend) {
    for (const std::string& screen : frontend.unplayedScreens())
        ADD_FAILURE() << "the " << screen << " screen the test plays never opened";
}

struct TestGame {
    explicit TestGame(std::uint64_t seed = 1) : random(makeSeededRandom(seed)) {}
    ~TestGame() { ExpectEveryScreenPlayed(frontend); }

    FakeFrontend frontend;
    FixedClock clock;
    std::unique_ptr<RandomSource> random;
    Game game{frontend, clock, *random};
};

}  // namespace morvane::test
