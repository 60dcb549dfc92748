#include "console/TextOptions.h"

#include "base/Numbers.h"

namespace morvane {
namespace {

bool parseScreen(const std::string& text, TextOptions& options) {
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    const auto w = parseInteger(text.substr(0, x));
    const auto h = parseInteger(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1) return false;
    options.screenWidth = *w;
    options.screenHeight = *h;
    return true;
}

}  // namespace

TextOptions ParseTextOptions(const std::vector<std::string>& args, std::string& error) {
    TextOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (TakeTryOutOption(args, i, options.tryOut, error)) {
        } else if (a == "--json") {
            options.json = true;
        } else if (a == "--menu") {
            options.menu = true;
        } else if (a == "--help" || a == "-h") {
            options.help = true;
        } else if (a == "--version") {
            options.version = true;
        } else if (a == "--seed") {
            options.seed = hasValue ? parseSeed(args[++i]) : std::nullopt;
            if (!options.seed) error = "--seed needs a whole number";
        } else if (a == "--screen") {
            if (!hasValue || !parseScreen(args[++i], options)) error = "--screen needs WIDTHxHEIGHT";
        } else if (a == "--load") {
            if (!hasValue) error = "--load needs the name of a saved position";
            else options.load = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown option " + a;
        } else if (options.gameFolder.empty()) {
            options.gameFolder = a;
        } else {
            error = "only one game folder can be played";
        }
        if (!error.empty()) break;
    }
    if (error.empty() && options.tryOut.startsAtOnce() && (options.menu || options.load))
        error = "--start and --set begin a new game: they don't go with --menu or --load";
    return options;
}

std::string TextUsage() {
    return "Usage: morvane-text [--json] [--seed N] [--screen WxH] [--menu] [--load NAME]\n"
           "                    [--start N] [--set VARIABLE=VALUE]... [--trace] [GAME_FOLDER]\n"
           "Plays a gamebook in the terminal. Commands are read one a line: a person types\n"
           "the numbers a screen shows, and ? lists what the screen takes. In --json mode one\n"
           "JSON object a line is printed after every step.\n"
           "Without GAME_FOLDER the installed demo game is played.\n"
           "\n"
           "Options:\n"
           "  --json         print every state as one JSON object a line\n"
           "  --seed N       fix every roll of the dice, so a game can be played again\n"
           "  --screen WxH   lay texts out for a screen of that size (default 1024x768)\n"
           "  --menu         start at the game's main menu\n"
           "  --load NAME    resume the saved position NAME\n" +
           TryOutUsage(17) +
           "  --help         show this help and exit\n"
           "  --version      show the version and exit\n"
           "\n"
           "Saved positions and setup.ini stay in the game folder when it can be written,\n"
           "otherwise they go to $XDG_DATA_HOME/morvane/GAME (~/.local/share/morvane/GAME).\n"
           "Exit status: 0 when the game ends, 1 when it cannot start, 2 for a bad command line\n"
           "(a --start location the story lacks too).\n";
}

}  // namespace morvane
