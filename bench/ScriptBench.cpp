// Every move scans the location it enters, so a location at the 400-tag limit
// must still scan in microseconds.
#include <benchmark/benchmark.h>

#include <string>

#include "base/Win1250.h"
#include "parser/Command.h"

namespace morvane {
namespace {

// A location at the tag limit, in the shape stories have: page text with
// several attributes, conditions around groups of tags, menu items.
std::string fullLocation() {
    std::string source = "<37>\r\n";
    for (int i = 0; i < 100; ++i) {
        const std::string n = std::to_string(i + 1);
        source += "[ZIVOTY 0 > \"" + n + "\"]\r\n";
        source += "  <TEXT OBSAH=\"Cesta se stáčí k lesu, kde čeká stráž číslo " + n +
                  ". Máš $ZIVOTY životů.\" BARVA=\"zelena\" TUCNE=\"ano\">\r\n";
        source += "  <PROMENNA CISLO=\"" + n + "\" HODNOTA=\"$" + n + "+1\">\r\n";
        source += "  [" + n + " >= \"3]<INFO TEXT=\"Stráž tě poznala.\">[/]\r\n";
        source += "[/]\r\n";
        source += "<MENU CIL=\"" + n + "\" TEXT=\"Jdi k bráně " + n + "\">\r\n";
    }
    return cz(source);
}

void BM_ScanFullLocation(benchmark::State& state) {
    const std::string source = fullLocation();
    std::int32_t counter = 0;
    for (auto _ : state) {
        LocationCommands commands;
        ScanLocation(source, commands, counter);
        benchmark::DoNotOptimize(commands.prikazy.data());
        if (commands.prikazy.size() != static_cast<std::size_t>(kMaxCommands)) {
            state.SkipWithError("the location should fill the command table");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(source.size()));
}
BENCHMARK(BM_ScanFullLocation)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane
