// A whole move: ChangeLoc clears the page, cuts and scans the location, runs
// its twenty or so commands and builds the menu. It must stay well under a
// millisecond and must not grow with the size of the story.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/Platform.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"

#include "BenchStory.h"

#include "../tests/support/FakeFrontend.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

class StoppedClock : public Clock {
public:
    LocalTime now() const override { return {}; }
};

struct BenchGame {
    explicit BenchGame(int locations) {
        std::string pattern = (fs::temp_directory_path() / "morvane-move-XXXXXX").string();
        if (::mkdtemp(pattern.data())) folder = pattern;
        fs::create_directories(folder / "data");
        std::ofstream(folder / "data" / "data.vrn", std::ios::binary) << BenchStory(locations);
        game.pribeh.soubory.gameFolder = folder;
        game.hrac.zivoty = 10;
        ChangeLoc(game, 1);  // reads and settles the story once
    }
    ~BenchGame() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    test::FakeFrontend frontend;
    StoppedClock clock;
    std::unique_ptr<RandomSource> random = makeSeededRandom(1);
    Game game{frontend, clock, *random};
};

void MoveIn(benchmark::State& state) {
    BenchGame bench(static_cast<int>(state.range(0)));
    std::int32_t n = 1;
    for (auto _ : state) {
        n = n % 90 + 1;
        ChangeLoc(bench.game, n);
        benchmark::DoNotOptimize(bench.game.hlavni.prvky.size());
    }
}
BENCHMARK(MoveIn)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane
