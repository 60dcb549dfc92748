// morvane: a gamebook played in windows.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/Win1250.h"
#include "game/Flow.h"
#include "game/Game.h"
#include "game/GameFolders.h"
#include "save/SavePosition.h"
#include "screens/GameChooser.h"
#include "screens/Host.h"
#include "screens/Program.h"
#include "screens/Stage.h"
#include "screens/TForm1.h"
#include "shell/Signals.h"

namespace {

const char* kUsage =
    "Usage: morvane [--seed N] [--scale F] [--window] [--load NAME] [GAME_FOLDER]\n"
    "Plays the gamebook in GAME_FOLDER in windows. Without GAME_FOLDER the installed\n"
    "demo game is played; when several games are installed, a list offers them.\n"
    "\n"
    "Options:\n"
    "  --seed N      fix every roll of the dice, so a game can be played again\n"
    "  --scale F     show everything F times larger (0.5 to 8; default: as large\n"
    "                as the screen allows)\n"
    "  --window      play in a window of 1024 x 768 instead of the whole screen\n"
    "  --load NAME   resume the saved position NAME instead of showing the main menu\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "\n"
    "Saved positions and setup.ini stay in the game folder when it can be written,\n"
    "otherwise they go to $XDG_DATA_HOME/morvane/GAME (~/.local/share/morvane/GAME).\n"
    "Qt's own options, like -platform offscreen, are understood too.\n";

bool ParseSeed(const std::string& text, std::uint64_t& seed) {
    if (text.empty() || text.size() > 19) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    seed = std::stoull(text);
    return true;
}

// --help and --version answer before Qt starts, so they work without a display.
bool AnswerWithoutDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return true;
        }
        if (a == "--version") {
            std::cout << "morvane " << MORVANE_VERSION << "\n";
            return true;
        }
    }
    return false;
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

// The folder to play; empty when the player declined the list of games or
// there is none (a message then says so: a program started from a menu has
// no terminal to read).
std::filesystem::path FolderToPlay(const std::string& given) {
    if (given.empty()) {
        const std::vector<std::filesystem::path> games = morvane::InstalledGames();
        if (games.size() > 1) return morvane::ChooseGame(games).value_or(std::filesystem::path());
    }
    std::string problem;
    std::filesystem::path folder = morvane::GameFolderToPlay(given, problem);
    if (folder.empty()) {
        std::cerr << "morvane: " << problem << "\n";
        QMessageBox::critical(nullptr, QStringLiteral("Morvane"), QString::fromStdString(problem));
    }
    return folder;
}

struct CommandLine {
    morvane::ProgramOptions options;
    std::string folder;
    std::optional<std::string> load;
};

// The program's own arguments, after Qt has taken its options out.
std::optional<CommandLine> ParseCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::uint64_t seed = 0;
        double scale = 0;
        if (a == "--seed" && i + 1 < argc && ParseSeed(argv[i + 1], seed)) {
            line.options.seed = seed;
            ++i;
        } else if (a == "--scale" && i + 1 < argc && morvane::ParseScale(argv[i + 1], scale)) {
            ++i;  // taken before the application started
        } else if (a == "--window") {
            line.options.window = true;
        } else if (a == "--load" && i + 1 < argc) {
            line.load = argv[++i];
        } else if (!a.empty() && a[0] != '-' && line.folder.empty()) {
            line.folder = a;
        } else {
            std::cerr << "morvane: bad argument " << a << "\n" << kUsage;
            return std::nullopt;
        }
    }
    return line;
}

// A position to resume starts the game at once, the way the load dialog does.
// A position that can't be read is reported and leaves the player at the menu.
void ResumeAtStart(morvane::Program& program, const std::string& name) {
    const auto chosen = morvane::ChoosePositionFile(
        program.game(), morvane::SavedPositionPath(morvane::fromUtf8(name)));
    if (chosen != morvane::PositionChoice::Chosen) return;
    QTimer::singleShot(0, &program.main(), [&program] { program.main().ShowModal(); });
}

}  // namespace

int main(int argc, char** argv) {
    morvane::EndOnSignals();
    if (AnswerWithoutDisplay(argc, argv)) return 0;
    ChooseScale(argc, argv);
    // Qt takes its own options (-platform and the like) out first.
    QApplication app(argc, argv);
    std::optional<CommandLine> line = ParseCommandLine(argc, argv);
    if (!line) return 2;
    line->options.gameFolder = FolderToPlay(line->folder);
    if (line->options.gameFolder.empty()) return 1;
    morvane::Host host;
    morvane::Program program(host, line->options);
    if (!program.ok()) return 1;
    program.show();
    if (line->load) ResumeAtStart(program, *line->load);
    return app.exec();
}
