#include "base/Platform.h"

#include <chrono>
#include <ctime>
#include <random>

namespace morvane {
namespace {

class SystemClock final : public Clock {
public:
    LocalTime now() const override {
        const std::time_t t = std::time(nullptr);
        std::tm parts{};
        localtime_r(&t, &parts);
        return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                parts.tm_hour, parts.tm_min, parts.tm_sec};
    }
};

// A 64-bit Mersenne twister: its sequence is the same on every machine for
// the same seed, which is what makes a recorded playthrough replayable.
class TwisterRandom final : public RandomSource {
public:
    explicit TwisterRandom(std::uint64_t seed) : engine_(seed) {}
    std::int32_t below(std::int32_t range) override {
        if (range < 1) return 0;
        // Plain modulo of a 64-bit draw: the bias is below 2^-32 and, unlike
        // the library distributions, the result is identical everywhere.
        return static_cast<std::int32_t>(engine_() % static_cast<std::uint64_t>(range));
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() { return std::make_unique<SystemClock>(); }

std::unique_ptr<RandomSource> makeClockSeededRandom() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::make_unique<TwisterRandom>(static_cast<std::uint64_t>(ticks) ^
                                           static_cast<std::uint64_t>(std::time(nullptr)));
}

std::unique_ptr<RandomSource> makeSeededRandom(std::uint64_t seed) {
    return std::make_unique<TwisterRandom>(seed);
}

}  // namespace morvane
