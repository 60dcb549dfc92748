#pragma once
// The command line of the window program, read after Qt has taken its own
// options out.
#include <optional>
#include <string>
#include <vector>

#include "game/TryOut.h"
#include "screens/Program.h"

namespace morvane {

struct CommandLine {
    ProgramOptions options;
    std::string folder;               // empty: the installed games
    std::optional<std::string> load;  // resume ./save/NAME.mkp at once
    TryOut tryOut;                    // --start, --set, --trace
};

// The arguments without the program's name; nothing, with the reason in
// `error`, for a bad command line. --scale is taken (and checked) before
// the application starts, so here it is only stepped over.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

std::string ProgramUsage();

}  // namespace morvane
