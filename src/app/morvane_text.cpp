// morvane-text: a gamebook played in the terminal.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "console/TextOptions.h"
#include "console/TextSession.h"
#include "game/GameFolders.h"
#include "shell/Signals.h"

int main(int argc, char** argv) {
    using namespace morvane;
    EndOnSignals();
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    TextOptions options = ParseTextOptions(args, error);
    if (!error.empty()) {
        std::cerr << "morvane-text: " << error << "\n" << TextUsage();
        return 2;
    }
    if (options.help) {
        std::cout << TextUsage();
        return 0;
    }
    if (options.version) {
        std::cout << "morvane-text " << MORVANE_VERSION << "\n";
        return 0;
    }
    options.gameFolder = GameFolderToPlay(options.gameFolder, error).string();
    if (options.gameFolder.empty()) {
        std::cerr << "morvane-text: " << error << "\n";
        return 1;
    }
    TextSession session(std::cin, std::cout, std::cerr, options);
    // A person's countdown runs on the clock while a line is awaited.
    if (!options.json) session.readDescriptor(STDIN_FILENO);
    return session.run();
}
