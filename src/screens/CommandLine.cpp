#include "screens/CommandLine.h"

#include "base/Numbers.h"
#include "screens/Stage.h"

namespace morvane {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        double scale = 0;
        const std::optional<std::uint64_t> seed = hasValue ? parseSeed(args[i + 1]) : std::nullopt;
        if (TakeTryOutOption(args, i, line.tryOut, error)) {
        } else if (a == "--seed" && seed) {
            line.options.seed = seed;
            ++i;
        } else if (a == "--scale" && hasValue && ParseScale(args[i + 1].c_str(), scale)) {
            ++i;
        } else if (a == "--window") {
            line.options.window = true;
        } else if (a == "--load" && hasValue) {
            line.load = args[++i];
        } else if (!a.empty() && a[0] != '-' && line.folder.empty()) {
            line.folder = a;
        } else {
            error = "bad argument " + a;
        }
    }
    if (error.empty() && line.tryOut.startsAtOnce() && line.load)
        error = "--start and --set begin a new game: they don't go with --load";
    if (!error.empty()) return std::nullopt;
    return line;
}

std::string ProgramUsage() {
    return "Usage: morvane [--seed N] [--scale F] [--window] [--load NAME] [--start N]\n"
           "               [--set VARIABLE=VALUE]... [--trace] [GAME_FOLDER]\n"
           "Plays the gamebook in GAME_FOLDER in windows. Without GAME_FOLDER the installed\n"
           "demo game is played; when several games are installed, a list offers them.\n"
           "\n"
           "Options:\n"
           "  --seed N      fix every roll of the dice, so a game can be played again\n"
           "  --scale F     show everything F times larger (0.5 to 8; default: as large\n"
           "                as the screen allows)\n"
           "  --window      play in a window of 1024 x 768 instead of the whole screen\n"
           "  --load NAME   resume the saved position NAME instead of showing the main menu\n" +
           TryOutUsage(16) +
           "  --help        show this help and exit\n"
           "  --version     show the version and exit\n"
           "\n"
           "Saved positions and setup.ini stay in the game folder when it can be written,\n"
           "otherwise they go to $XDG_DATA_HOME/morvane/GAME (~/.local/share/morvane/GAME).\n"
           "Qt's own options, like -platform offscreen, are understood too.\n"
           "Exit status: 0 when the program is closed, 1 when the game cannot start, 2 for a\n"
           "bad command line (a --start location the story lacks too).\n";
}

}  // namespace morvane
