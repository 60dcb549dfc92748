// morvane: a gamebook played in windows.
#include <QApplication>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "screens/Host.h"
#include "screens/Program.h"

namespace {

const char* kUsage =
    "usage: morvane [--seed N] [GAME_FOLDER]\n"
    "Plays the gamebook in GAME_FOLDER (default: the working folder) in windows.\n"
    "  --seed N   fixes every roll of the dice, so a game can be played again\n";

bool ParseSeed(const std::string& text, std::uint64_t& seed) {
    if (text.empty() || text.size() > 19) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    seed = std::stoull(text);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Qt takes its own options (-platform and the like) out first.
    QApplication app(argc, argv);
    morvane::ProgramOptions options;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::uint64_t seed = 0;
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--seed" && i + 1 < argc && ParseSeed(argv[i + 1], seed)) {
            options.seed = seed;
            ++i;
        } else if (!a.empty() && a[0] != '-' && folder.empty()) {
            folder = a;
        } else {
            std::cerr << "morvane: bad argument " << a << "\n" << kUsage;
            return 2;
        }
    }
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::current_path(folder, ec);
        if (ec) {
            std::cerr << "morvane: cannot open the game folder " << folder << "\n";
            return 1;
        }
    }
    morvane::Host host;
    morvane::Program program(host, options);
    if (!program.ok()) return 1;
    program.show();
    return app.exec();
}
