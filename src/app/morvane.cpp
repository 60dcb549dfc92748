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
#include "screens/CommandLine.h"
#include "screens/GameChooser.h"
#include "screens/Host.h"
#include "screens/Program.h"
#include "screens/Stage.h"
#include "screens/TForm1.h"
#include "shell/Signals.h"

namespace {

// --help and --version answer before Qt starts, so they work without a display.
bool AnswerWithoutDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << morvane::ProgramUsage();
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

// The program's own arguments, after Qt has taken its options out.
std::optional<morvane::CommandLine> ReadCommandLine(int argc, char** argv) {
    std::string error;
    auto line = morvane::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!line) std::cerr << "morvane: " << error << "\n" << morvane::ProgramUsage();
    return line;
}

// The main window opens over the main menu as soon as the event loop runs.
void ShowMainAtStart(morvane::Program& program) {
    QTimer::singleShot(0, &program.main(), [&program] { program.main().ShowModal(); });
}

// A try-out (--start, --set) starts the game at once, past the main menu and
// the name entry; one the game can't follow is a bad command line.
bool TryOutAtStart(morvane::Program& program, const morvane::TryOut& tryOut) {
    std::string error;
    if (!morvane::ChooseTryOut(program.game(), tryOut, error)) {
        std::cerr << "morvane: " << error << "\n";
        return false;
    }
    if (tryOut.startsAtOnce()) ShowMainAtStart(program);
    return true;
}

// A position to resume starts the game at once, the way the load dialog does.
// A position that can't be read is reported and leaves the player at the menu.
void ResumeAtStart(morvane::Program& program, const std::string& name) {
    const auto chosen = morvane::ChoosePositionFile(
        program.game(), morvane::SavedPositionPath(morvane::fromUtf8(name)));
    if (chosen == morvane::PositionChoice::Chosen) ShowMainAtStart(program);
}

}  // namespace

int main(int argc, char** argv) {
    morvane::EndOnSignals();
    if (AnswerWithoutDisplay(argc, argv)) return 0;
    ChooseScale(argc, argv);
    // Qt takes its own options (-platform and the like) out first.
    QApplication app(argc, argv);
    std::optional<morvane::CommandLine> line = ReadCommandLine(argc, argv);
    if (!line) return 2;
    line->options.gameFolder = FolderToPlay(line->folder);
    if (line->options.gameFolder.empty()) return 1;
    morvane::Host host;
    morvane::Program program(host, line->options);
    if (!program.ok()) return 1;
    if (!TryOutAtStart(program, line->tryOut)) return 2;
    program.show();
    if (line->load) ResumeAtStart(program, *line->load);
    return app.exec();
}
