// Substitution runs over every attribute of every command before it runs, so
// a text full of references must still cost only microseconds.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/Platform.h"
#include "game/Game.h"
#include "interpreter/Substitute.h"
// The benchmark needs a front end but never shows anything: the test fake serves.
#include "../tests/support/FakeFrontend.h"

namespace morvane {
namespace {

// 100 references of every kind: variables, names early and late in the
// name list, a pure value, a string variable and an unknown name.
std::string hundredReferences() {
    const char* kinds[] = {"$12 ",       "$ZIVOTY/",   "$MAXZIVOTY ", "$RETEZEC3 ", "$penize ",
                           "$CISTYSILA ", "$SOUBOJZIVOTY ", "$XYZ ", "$999 ",    "$STARTENERGIE "};
    std::string text;
    for (int i = 0; i < 100; ++i) text += kinds[i % 10];
    return text;
}

void BM_SubstituteHundredReferences(benchmark::State& state) {
    test::FakeFrontend frontend;
    const auto clock = makeSystemClock();
    const auto random = makeSeededRandom(1);
    const auto game = std::make_unique<Game>(frontend, *clock, *random);
    game->hrac.zivoty = 17;
    game->stavhry.retezce[2].assign("jedna dva");
    const std::string text = hundredReferences();
    for (auto _ : state) benchmark::DoNotOptimize(Substitute(*game, text));
}
BENCHMARK(BM_SubstituteHundredReferences)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane
