#pragma once
// A Game with everything a unit test needs around it: the fake front end, a
// clock stopped at a known moment and a seeded random source.
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

struct TestGame {
    explicit TestGame(std::uint64_t seed = 1) : random(makeSeededRandom(seed)) {}

    FakeFrontend frontend;
    FixedClock clock;
    std::unique_ptr<RandomSource> random;
    Game game{frontend, clock, *random};
};

}  // namespace morvane::test
