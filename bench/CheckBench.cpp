// morvane-check reads a whole story of 10,000 locations (about 8 MB) with
// the engine's readers: it must take under a second. The floor it is held
// against is reading the story file once.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "base/TextFile.h"
#include "base/Win1250.h"
#include "check/Checker.h"
#include "parser/GameDefinition.h"

#include "BenchFolder.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

// About 800 bytes a location, every one correct: page text, a guarded line,
// a variable, a library, a constant and four menu items forward.
std::string story(int locations) {
    std::string text = "Poznámky autora, které nepatří k žádné lokaci.\r\n";
    for (int n = 1; n <= locations; ++n) {
        const std::string id = std::to_string(n);
        text += "<" + id + ">\r\n#knihovna_hlavicka;\r\n";
        text += "<TEXT OBSAH=\"Stojíš na rozcestí číslo " + id +
                " poblíž MESTO. Vítr fouká od severu a cesta se ztrácí v mlze; někde v dálce "
                "štěká pes a na obzoru se rýsují věže hradu. Po tvé levici teče potok.\">\r\n";
        text += "[ZIVOTY > \"5\"]<TEXT OBSAH=\"Cítíš se dost silný na dlouhou cestu, i když "
                "batoh tě tíží a boty už mají něco za sebou.\" BARVA=\"lime\">[/]\r\n";
        text += "<ZVYSPROMENNOU 7=\"1\">\r\n";
        text += "[7 > \"3]<INFO OBSAH=\"Cesta tě unavuje, krok za krokem zpomaluješ a slunce "
                "pomalu klesá k obzoru.\" BARVA=\"gray\">[/]\r\n";
        if (n == locations) text += "<KONEC>\r\n";
        for (int k = 1; k <= 4 && n + k <= locations; ++k) {
            text += "<MENU X=\"" + std::to_string(n + k) + "\" T=\"Vydej se cestou číslo " +
                    std::to_string(k) + " dál do kraje\">\r\n";
        }
    }
    return cz(text);
}

struct BenchGame : BenchFolder {
    explicit BenchGame(int locations) {
        write("data/data.vrn", story(locations));
        write("data/konstanty.vrn", "MESTO Praha\r\n");
        write("data/knihovny/hlavicka.vrn", "<INFO OBSAH=\"Den\">\r\n");
        TGameInit definice{};
        definice.nazevhry.assign("bench");
        write("data/inicializace.vrn", GameDefinitionBytes(definice));
    }
};

double secondsOf(const auto& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_CheckStory(benchmark::State& state) {
    BenchGame game(static_cast<int>(state.range(0)));
    const fs::path file = game.path / "data" / "data.vrn";
    double floor = 0, checked = 0;
    for (auto _ : state) {
        std::size_t errors = 0, nodes = 0;
        checked += secondsOf([&] {
            const check::CheckReport report = check::CheckGame(game.path);
            errors = report.findings.errors();
            nodes = report.graph.nodes.size();
        });
        floor += secondsOf([&] { benchmark::DoNotOptimize(readTextFile(file)); });
        if (errors != 0 || nodes != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("the generated story should check clean");
    }
    state.counters["story_bytes"] = static_cast<double>(fs::file_size(file));
    state.counters["x_floor"] = floor > 0 ? checked / floor : 0;
}
BENCHMARK(BM_CheckStory)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
