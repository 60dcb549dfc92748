#include "parser/LocationIndex.h"

namespace morvane {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the marker starting at `at` ("<", optional "-", digits, ">"),
// or 0 when none starts there.
std::size_t markerLength(std::string_view text, std::size_t at) {
    std::size_t i = at + 1;
    if (i < text.size() && text[i] == '-') ++i;
    const std::size_t digits = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i == digits || i >= text.size() || text[i] != '>') return 0;
    return i + 1 - at;
}

}  // namespace

void LocationIndex::build(std::string_view text) {
    first_.clear();
    for (std::size_t at = text.find('<'); at != std::string_view::npos;
         at = text.find('<', at + 1)) {
        if (const std::size_t length = markerLength(text, at))
            first_.emplace(std::string(text.substr(at, length)), at);
    }
    built_ = true;
}

void LocationIndex::clear() {
    first_.clear();
    built_ = false;
}

std::optional<std::size_t> LocationIndex::find(const std::string& marker) const {
    const auto it = first_.find(marker);
    if (it == first_.end()) return std::nullopt;
    return it->second;
}

}  // namespace morvane
