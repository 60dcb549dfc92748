#include "check/RandomPlay.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>

#include "check/RandomPlayer.h"

namespace morvane::check {
namespace fs = std::filesystem;
namespace {

// A private copy of the game folder for one thread: plays save positions and
// unscramble files there, and two threads must not share them. Saved
// positions of the author are left out.
class FolderCopy {
public:
    explicit FolderCopy(const fs::path& game) {
        std::string pattern = (fs::temp_directory_path() / "morvane-check-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return;
        root_ = pattern;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(game, ec)) {
            if (entry.path().filename() == "save") continue;
            fs::copy(entry.path(), root_ / entry.path().filename(), fs::copy_options::recursive, ec);
            if (ec) break;
        }
        if (!ec) return;
        fs::remove_all(root_, ec);
        root_.clear();
    }
    ~FolderCopy() {
        std::error_code ignored;
        if (!root_.empty()) fs::remove_all(root_, ignored);
    }
    FolderCopy(const FolderCopy&) = delete;
    FolderCopy& operator=(const FolderCopy&) = delete;
    const fs::path& path() const { return root_; }

private:
    fs::path root_;
};

}  // namespace

void RandomReport::merge(const RandomReport& other) {
    plays += other.plays;
    for (const auto& [place, n] : other.visits) visits[place] += n;
    menuMoves.insert(other.menuMoves.begin(), other.menuMoves.end());
    for (const auto& [key, n] : other.endings) endings[key] += n;
    for (const PlayProblem& p : other.problems) {
        const auto same = std::find_if(problems.begin(), problems.end(), [&](const PlayProblem& q) {
            return q.message == p.message && q.misto == p.misto;
        });
        if (same == problems.end()) {
            problems.push_back(p);
            continue;
        }
        same->times += p.times;
        // The play with the lower seed keeps its route, so the report does
        // not depend on which thread came first.
        if (p.seed < same->seed) {
            same->seed = p.seed;
            same->route = p.route;
        }
    }
}

RandomReport PlayOnce(const fs::path& folder, const TGameInit& definice, std::uint64_t seed,
                      std::int32_t maxSteps) {
    RandomReport report;
    RandomPlayer player(folder, definice, seed, report);
    player.play(maxSteps);
    return report;
}

RandomReport PlayAtRandom(const fs::path& folder, const TGameInit& definice,
                          const RandomSettings& settings) {
    const unsigned threads = std::max(1u, settings.threads);
    std::vector<RandomReport> reports(threads);
    std::atomic<std::int32_t> next{0};
    const auto work = [&](RandomReport& report) {
        const FolderCopy copy(folder);
        if (copy.path().empty()) return;
        for (std::int32_t k; (k = next++) < settings.plays;) {
            const std::uint64_t seed = settings.seed + static_cast<std::uint64_t>(k);
            RandomPlayer player(copy.path(), definice, seed, report);
            player.play(settings.maxSteps);
            if (player.failed()) return;
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work, std::ref(reports[t]));
    work(reports[0]);
    for (std::thread& t : pool) t.join();
    RandomReport all;
    for (const RandomReport& r : reports) all.merge(r);
    std::sort(all.problems.begin(), all.problems.end(),
              [](const PlayProblem& a, const PlayProblem& b) { return a.seed < b.seed; });
    return all;
}

}  // namespace morvane::check
