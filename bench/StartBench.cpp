// What a player of the terminal program would compare, each beside its floor
// in the same run: the time from starting the process to its first state
// line on generated stories of 100, 1,000 and 10,000 locations, against a
// C program that only reads the story file and scans it once; the cost of a
// move in --json over a walk of 1,000 moves; and the peak memory beside the
// story's size. The machine may be shared, so every figure is the best of
// the run's iterations, and the ratios are taken between those.
#if defined(MORVANE_TEXT_BINARY) && defined(MORVANE_FLOOR_BINARY)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "parser/GameDefinition.h"

#include "BenchFolder.h"
#include "BenchStory.h"

extern char** environ;

namespace morvane {
namespace {

using Clock = std::chrono::steady_clock;

struct GameForBench : BenchFolder {
    explicit GameForBench(int locations) {
        TGameInit definice{};
        for (std::int32_t& v : definice.vlastnosti) v = 10;
        definice.nazevhry.assign("lavice");
        definice.jmenohrdiny.assign("Poutnik");
        definice.titulhry.assign("Lavice");
        definice.autor.assign("Morvane");
        write("data/inicializace.vrn", GameDefinitionBytes(definice));
        const std::string story = BenchStory(locations);
        storyBytes = story.size();
        write("data/data.vrn", story);
    }
    std::size_t storyBytes = 0;
};

struct Run {
    double firstLine = 0;  // seconds from the start to the first printed line
    double end = 0;        // seconds from the start to its last output
};

// Starts `argv` with `input` on its standard input, reads its output to the
// end and waits for it.
Run RunProcess(const std::vector<std::string>& args, const std::string& input) {
    int in[2], out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    for (int fd : {in[0], in[1], out[0], out[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Run run;
    const auto start = Clock::now();
    pid_t pid = 0;
    const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    // The input fits a pipe's buffer: written whole before any output is read.
    [[maybe_unused]] const ssize_t written =
        spawned && !input.empty() ? ::write(in[1], input.data(), input.size()) : 0;
    ::close(in[1]);
    char buffer[1 << 16];
    bool seenLine = false;
    for (ssize_t n; spawned && (n = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        if (!seenLine && std::find(buffer, buffer + n, '\n') != buffer + n) {
            seenLine = true;
            run.firstLine = std::chrono::duration<double>(Clock::now() - start).count();
        }
        run.end = std::chrono::duration<double>(Clock::now() - start).count();
    }
    ::close(out[0]);
    int status = 0;
    if (spawned) ::waitpid(pid, &status, 0);
    return run;
}

// The peak resident memory of the program, in bytes, measured by the floor
// program started in between.
double PeakBytes(const BenchFolder& scratch, const std::vector<std::string>& args,
                 const std::string& input) {
    const std::string file = (scratch.path / "peak.txt").string();
    std::vector<std::string> measured = {MORVANE_FLOOR_BINARY, "--peak", file};
    measured.insert(measured.end(), args.begin(), args.end());
    RunProcess(measured, input);
    std::ifstream in(file);
    double kilobytes = 0;
    in >> kilobytes;
    return kilobytes * 1024;
}

std::vector<std::string> Player(const GameForBench& game) {
    return {MORVANE_TEXT_BINARY, "--json", "--seed", "1", game.path.string()};
}

double Least(double a, double b) { return a == 0 ? b : std::min(a, b); }

// The first page of a story against the floor process reading it.
void FirstPage(benchmark::State& state) {
    const GameForBench game(static_cast<int>(state.range(0)));
    const std::vector<std::string> floor = {MORVANE_FLOOR_BINARY,
                                            (game.path / "data" / "data.vrn").string()};
    double best = 0, bestFloor = 0;
    for (auto _ : state) {
        const Run f = RunProcess(floor, "");
        const Run p = RunProcess(Player(game), "");
        bestFloor = Least(bestFloor, f.firstLine);
        best = Least(best, p.firstLine);
        state.SetIterationTime(p.firstLine);
    }
    const double peak = PeakBytes(game, Player(game), "");
    state.counters["page_ms"] = best * 1e3;
    state.counters["floor_ms"] = bestFloor * 1e3;
    state.counters["ratio"] = bestFloor > 0 ? best / bestFloor : 0;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["story_MB"] = static_cast<double>(game.storyBytes) / 1e6;
}
BENCHMARK(FirstPage)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

// A walk of 1,000 moves in --json: the time past the first page, a move.
void JsonWalk(benchmark::State& state) {
    constexpr int kMoves = 1000;
    const GameForBench game(static_cast<int>(state.range(0)));
    std::string input;
    for (int i = 0; i < kMoves; ++i) input += "1\n";
    double best = 0;
    for (auto _ : state) {
        const Run p = RunProcess(Player(game), input);
        const double move = (p.end - p.firstLine) / kMoves;
        best = Least(best, move);
        state.SetIterationTime(move);
    }
    const double peak = PeakBytes(game, Player(game), input);
    state.counters["move_us"] = best * 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["story_MB"] = static_cast<double>(game.storyBytes) / 1e6;
    state.counters["over_story_MB"] = (peak - static_cast<double>(game.storyBytes)) / 1e6;
}
#if defined(MORVANE_WINDOW_BINARY)
// The window program's start to its drawn main menu (the demo's, in a
// window of the design size) beside an empty window's, on Qt's offscreen
// platform unless another is asked for.
void WindowStart(benchmark::State& state) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::vector<std::string> empty = {MORVANE_WINDOW_BINARY, "--empty"};
    const std::vector<std::string> menu = {MORVANE_WINDOW_BINARY, MORVANE_DEMO_FOLDER};
    double best = 0, bestFloor = 0;
    for (auto _ : state) {
        const Run f = RunProcess(empty, "");
        const Run p = RunProcess(menu, "");
        bestFloor = Least(bestFloor, f.firstLine);
        best = Least(best, p.firstLine);
        state.SetIterationTime(p.firstLine);
    }
    state.counters["menu_ms"] = best * 1e3;
    state.counters["empty_window_ms"] = bestFloor * 1e3;
    state.counters["ratio"] = bestFloor > 0 ? best / bestFloor : 0;
}
BENCHMARK(WindowStart)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
#endif

BENCHMARK(JsonWalk)->Arg(10000)->UseManualTime()->Iterations(10)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane
#endif
