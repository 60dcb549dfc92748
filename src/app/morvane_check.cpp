// morvane-check: checks a game folder the way the engine reads it, plays it
// at random and draws its map.
#include <iostream>
#include <string>
#include <vector>

#include "check/CheckOptions.h"
#include "check/CheckRun.h"

int main(int argc, char** argv) {
    using namespace morvane::check;
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const CheckOptions options = ParseCheckOptions(args, error);
    if (!error.empty()) {
        std::cerr << "morvane-check: " << error << "\n" << CheckUsage();
        return 2;
    }
    if (options.help) {
        std::cout << CheckUsage();
        return 0;
    }
    if (options.version) {
        std::cout << "morvane-check " << MORVANE_VERSION << "\n";
        return 0;
    }
    return RunCheck(options, std::cout, std::cerr);
}
