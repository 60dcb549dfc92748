#pragma once
// The command line of morvane-text.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/TryOut.h"

namespace morvane {

struct TextOptions {
    bool json = false;
    std::optional<std::uint64_t> seed;
    std::int32_t screenWidth = 1024;
    std::int32_t screenHeight = 768;
    bool menu = false;                // start at the main menu
    std::optional<std::string> load;  // start by loading ./save/NAME.mkp
    std::string gameFolder;           // empty: the installed demo
    TryOut tryOut;                    // --start, --set, --trace
    bool help = false;
    bool version = false;
};

// Reads the arguments (without the program name). Returns the error text of
// a bad command line in `error`.
TextOptions ParseTextOptions(const std::vector<std::string>& args, std::string& error);

std::string TextUsage();

}  // namespace morvane
