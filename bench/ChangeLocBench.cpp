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
#include "base/Win1250.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"

#include "../tests/support/FakeFrontend.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

class StoppedClock : public Clock {
public:
    LocalTime now() const override { return {}; }
};

// Twenty typical tags a location: text, guarded text, variables, money, info
// lines, a colour change and menu items.
std::string Story(int locations) {
    std::string text;
    for (int n = 1; n <= locations; ++n) {
        const std::string id = std::to_string(n), next = std::to_string(n % locations + 1);
        text += "<" + id + ">\r\n<TEXT OBSAH=\"Stojíš na rozcestí číslo " + id +
                ". Vítr fouká od severu a cesta se ztrácí v mlze; někde v dálce štěká pes.\">\r\n";
        text += "[ZIVOTY 0 > \"5]<TEXT OBSAH=\"Cítíš se silný.\" BARVA=\"lime\">[/]\r\n";
        text += "<PROMENNA 7=\"$7\"><ZVYSPROMENNOU 8=\"1\"><VZOREC 9=\"($8*3+1):2\">\r\n";
        text += "<PENIZE PLUS=\"1\"><INFO OBSAH=\"Den $8\" BARVA=\"silver\">\r\n";
        text += "[8 > \"3]<TEXT OBSAH=\"Unavuje tě to.\" KURZIVA=\"ano\">[/]\r\n";
        text += "<ZMENOTAZKU TEXT=\"Kudy dál?\"><VYCHOZIBARVAMENU BARVA=\"white\">\r\n";
        text += "<RETEZEC 1=\"cesta\"><NAHODA 10=\"1k6\"><ZAPNIINFO>\r\n";
        for (int k = 1; k <= 5; ++k)
            text += "<M T=\"Cesta " + std::to_string(k) + "\" X=\"" + next + "\">\r\n";
        text += "<ZPET>\r\n";
    }
    return cz(text);
}

struct BenchGame {
    explicit BenchGame(int locations) {
        std::string pattern = (fs::temp_directory_path() / "morvane-move-XXXXXX").string();
        if (::mkdtemp(pattern.data())) folder = pattern;
        fs::create_directories(folder / "data");
        std::ofstream(folder / "data" / "data.vrn", std::ios::binary) << Story(locations);
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
