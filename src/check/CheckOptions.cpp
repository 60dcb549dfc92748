#include "check/CheckOptions.h"

#include "base/Numbers.h"

namespace morvane::check {

CheckOptions ParseCheckOptions(const std::vector<std::string>& args, std::string& error) {
    CheckOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 < args.size()) return args[++i];
            error = a + " needs a value";
            return std::nullopt;
        };
        if (a == "--json") {
            o.json = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--random") {
            const auto v = value();
            const auto n = v ? parseInteger(*v) : std::nullopt;
            if (!n || *n < 1) error = "--random needs a number of playthroughs (1 or more)";
            else o.random = *n;
        } else if (a == "--seed") {
            const auto v = value();
            const auto n = v ? parseInteger(*v) : std::nullopt;
            if (!n || *n < 0) error = "--seed needs a number (0 or more)";
            else o.seed = static_cast<std::uint64_t>(*n);
        } else if (a == "--map") {
            if (const auto v = value()) o.map = *v;
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown option " + a;
        } else if (o.gameFolder.empty()) {
            o.gameFolder = a;
        } else {
            error = "only one game folder can be checked";
        }
        if (!error.empty()) return o;
    }
    if (o.gameFolder.empty() && !o.help && !o.version) error = "no game folder given";
    return o;
}

std::string CheckUsage() {
    return "usage: morvane-check [--json] [--random N] [--seed S] [--map FILE] GAME_FOLDER\n"
           "\n"
           "Reads a game folder exactly as the engine does and reports every problem\n"
           "as FILE:LINE: error|warning: message (the file relative to the game folder).\n"
           "\n"
           "  --json        one JSON object a line instead\n"
           "  --random N    also play N games with random choices through the engine and\n"
           "                report script errors (with a route morvane-text replays),\n"
           "                locations and menu items never reached, coverage and endings\n"
           "  --seed S      the seed of the random playthroughs (default 1)\n"
           "  --map FILE    write the story map: Graphviz DOT, or SVG when FILE ends in .svg\n"
           "  --help        this text\n"
           "  --version     the program's version\n"
           "\n"
           "Exit status: 0 no errors (warnings allowed), 1 errors found,\n"
           "2 bad command line or not a game folder.\n";
}

}  // namespace morvane::check
