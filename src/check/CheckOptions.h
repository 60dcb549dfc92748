#pragma once
// The command line of morvane-check.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane::check {

struct CheckOptions {
    bool json = false;
    std::optional<std::int32_t> random;  // playthroughs
    std::uint64_t seed = 1;
    std::optional<std::string> map;      // DOT, or SVG for a ".svg" name
    std::string gameFolder;
    bool help = false;
    bool version = false;
};

// Reads the arguments (without the program name); a bad command line is
// told in `error`.
CheckOptions ParseCheckOptions(const std::vector<std::string>& args, std::string& error);

std::string CheckUsage();

}  // namespace morvane::check
