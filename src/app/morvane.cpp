// morvane: a gamebook played in windows.
#include <QApplication>
#include <QScreen>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "screens/Host.h"
#include "screens/Program.h"
#include "screens/Stage.h"
#include "shell/Signals.h"

namespace {

const char* kUsage =
    "usage: morvane [--seed N] [--scale F] [--window] [GAME_FOLDER]\n"
    "Plays the gamebook in GAME_FOLDER (default: the working folder) in windows.\n"
    "  --seed N   fixes every roll of the dice, so a game can be played again\n"
    "  --scale F  shows everything F times larger (0.5 to 8; default: as large\n"
    "             as the screen allows)\n"
    "  --window   plays in a window of 1024 x 768 instead of the whole screen\n";

bool ParseSeed(const std::string& text, std::uint64_t& seed) {
    if (text.empty() || text.size() > 19) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    seed = std::stoull(text);
    return true;
}

// The factor that lets the game fill the primary screen, on top of the
// desktop's own scaling; asked of a short-lived application, since the
// factor must be set before the real one exists. 1 when there is no screen.
double FillingScale(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, args.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->geometry().isEmpty()) return 1;
    const double desktop = screen->devicePixelRatio();
    return morvane::FitScale(screen->geometry().size() * desktop) / desktop;
}

// The toolkit's scale factor: the one asked for, else one that lets the game
// fill a large screen, unless the player's environment has set one already.
void ChooseScale(int argc, char** argv) {
    double asked = 0;
    bool window = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--scale" && i + 1 < argc && morvane::ParseScale(argv[i + 1], asked)) ++i;
        else if (a == "--window") window = true;
    }
    if (asked == 0 && (window || std::getenv("QT_SCALE_FACTOR"))) return;
    if (asked == 0) {
        asked = FillingScale(argc, argv);
        if (asked < 1.01) return;
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(asked, 'f', 4));
}

}  // namespace

int main(int argc, char** argv) {
    morvane::EndOnSignals();
    ChooseScale(argc, argv);
    // Qt takes its own options (-platform and the like) out first.
    QApplication app(argc, argv);
    morvane::ProgramOptions options;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::uint64_t seed = 0;
        double scale = 0;
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--seed" && i + 1 < argc && ParseSeed(argv[i + 1], seed)) {
            options.seed = seed;
            ++i;
        } else if (a == "--scale" && i + 1 < argc && morvane::ParseScale(argv[i + 1], scale)) {
            ++i;  // taken before the application started
        } else if (a == "--window") {
            options.window = true;
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
