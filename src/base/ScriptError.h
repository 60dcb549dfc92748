#pragma once
// A run-time failure of a script: a value that must be a number and is not,
// a missing file, a division by zero. The interpreter catches it, abandons
// the rest of the location and hands the text to the general error report.
#include <stdexcept>
#include <string>

namespace morvane {

class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace morvane
