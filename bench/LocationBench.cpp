// Every move cuts its location out of the story. After the first load has
// expanded the libraries and constants, that must cost the same in a story
// of 100 locations as in one of 10,000 (about 8 MB).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/Win1250.h"
#include "parser/Constants.h"
#include "parser/LocationSource.h"

#include "BenchFolder.h"

#include "../tests/support/FakeFrontend.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

// About 800 bytes a location: page text, a guarded line, a library, menu items.
std::string story(int locations) {
    std::string text = "Poznámky autora, které nepatří k žádné lokaci.\r\n";
    for (int n = 1; n <= locations; ++n) {
        const std::string id = std::to_string(n);
        text += "<" + id + ">\r\n#knihovna_hlavicka;\r\n";
        text += "<TEXT OBSAH=\"Stojíš na rozcestí číslo " + id +
                " poblíž MESTO. Vítr fouká od "
                "severu a cesta se ztrácí v mlze; někde v dálce štěká pes a na obzoru se "
                "rýsují věže hradu. Po tvé levici teče potok, po pravici se zvedá les.\">\r\n";
        text +=
            "[ZIVOTY > \"5\"]<TEXT OBSAH=\"Cítíš se dost silný na dlouhou cestu, i když "
            "batoh tě tíží a boty už mají něco za sebou.\" BARVA=\"zelena\">[/]\r\n";
        text += "<PROMENNA CISLO=\"7\" HODNOTA=\"$7+1\">\r\n";
        text +=
            "[7 > \"3\"]<INFO TEXT=\"Cesta tě unavuje, krok za krokem zpomaluješ a slunce "
            "pomalu klesá k obzoru.\" BARVA=\"seda\">[/]\r\n";
        for (int k = 1; k <= 4; ++k) {
            text += "<MENU CIL=\"" + std::to_string(n % locations + k) +
                    "\" TEXT=\"Vydej se cestou číslo " + std::to_string(k) + " dál do kraje\">\r\n";
        }
    }
    return cz(text);
}

struct BenchGame {
    explicit BenchGame(int locations) {
        folder.write("data/data.vrn", story(locations));
        folder.write("data/konstanty.vrn", "MESTO Praha\r\n");
        folder.write("data/knihovny/hlavicka.vrn", "<INFO TEXT=\"Den\">\r\n");
        store.soubory.gameFolder = folder.path;
        LoadConstants(store, frontend);
    }
    BenchFolder folder;
    test::FakeFrontend frontend;
    StoryStore store;
};

void BM_LoadLocation(benchmark::State& state) {
    const int locations = static_cast<int>(state.range(0));
    BenchGame game(locations);
    // The first loads read the story and expand it until it settles.
    for (int n = 1; n <= 3; ++n) LoadLocationSource(game.store, game.frontend, n, true, true);
    if (!game.frontend.messages.empty() || !game.frontend.errors.empty() ||
        !game.store.cache.settled) {
        state.SkipWithError("the story should load without messages and settle");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        n = n % locations + 1;
        std::string source = LoadLocationSource(game.store, game.frontend, n, true, true);
        benchmark::DoNotOptimize(source.data());
    }
    state.counters["story_bytes"] = static_cast<double>(game.store.skript.size());
}
BENCHMARK(BM_LoadLocation)->Arg(100)->Arg(10000);

// The once-per-run cost: reading the story and the two expansion passes
// that settle it (the second finds nothing left to do).
void BM_SettleStory(benchmark::State& state) {
    const int locations = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<BenchGame>(locations);
        state.ResumeTiming();
        LoadLocationSource(game->store, game->frontend, 1, true, true);
        LoadLocationSource(game->store, game->frontend, 2, true, true);
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SettleStory)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
