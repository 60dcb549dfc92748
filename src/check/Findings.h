#pragma once
// What morvane-check reports: each problem at the file and line an author
// edits, in the form compilers use so that editors can jump to it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane::check {

enum class Severity { Error, Warning };

// A place in a game file: the path relative to the game folder ("/"
// between folders) and the 1-based line; 0 when the whole file is meant.
struct Place {
    std::string file;
    int line = 0;
};

struct Finding {
    Place place;
    Severity severity = Severity::Error;
    std::string message;  // Windows-1250
    // A problem met in a random play: the seed and the morvane-text commands
    // that lead to it, and the shell command that replays them.
    std::optional<std::uint64_t> seed;
    std::vector<std::string> route;
    std::string replay;
};

class Findings {
public:
    void error(const Place& place, std::string message);
    void warning(const Place& place, std::string message);
    void add(Finding finding) { list_.push_back(std::move(finding)); }
    // The findings by file and line, in the order found within a line.
    std::vector<Finding> sorted() const;
    std::size_t errors() const;
    const std::vector<Finding>& all() const { return list_; }

private:
    std::vector<Finding> list_;
};

// "FILE:LINE: error: message" (UTF-8).
std::string FindingLine(const Finding& finding);
// The same as one JSON object.
std::string FindingJson(const Finding& finding);

}  // namespace morvane::check
