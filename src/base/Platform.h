#pragma once
// What the core needs from the machine besides files: the time of day and
// chance. Both are interfaces so that tests and `--seed` runs can fix them.
#include <cstdint>
#include <memory>

namespace morvane {

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// The clock of the machine, in local time.
std::unique_ptr<Clock> makeSystemClock();

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from 0 to range - 1; 0 when range is below 1.
    virtual std::int32_t below(std::int32_t range) = 0;
};

// A generator seeded once from the clock.
std::unique_ptr<RandomSource> makeClockSeededRandom();
// A generator whose every draw follows from the seed, for tests and `--seed`.
std::unique_ptr<RandomSource> makeSeededRandom(std::uint64_t seed);

}  // namespace morvane
