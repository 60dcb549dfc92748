#include "parser/LocationIndex.h"

#include "base/Numbers.h"

namespace morvane {
namespace {

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

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

// The number of a marker written the way a number's decimal text is (no sign,
// no leading zero) and small enough for the table; nothing otherwise.
std::optional<std::size_t> tableNumber(std::string_view marker) {
    const std::string_view digits = marker.substr(1, marker.size() - 2);
    if (digits[0] == '-' || digits.size() > 9 || (digits[0] == '0' && digits.size() > 1))
        return std::nullopt;
    std::size_t n = 0;
    for (char c : digits) n = n * 10 + static_cast<std::size_t>(c - '0');
    return n;
}

}  // namespace

std::vector<MarkerAt> FindMarkers(std::string_view text) {
    std::vector<MarkerAt> markers;
    for (std::size_t at = text.find('<'); at != std::string_view::npos;
         at = text.find('<', at + 1)) {
        if (const std::size_t length = markerLength(text, at))
            markers.push_back({text.substr(at, length), at});
    }
    return markers;
}

void LocationIndex::build(std::string_view text) {
    clear();
    const std::vector<MarkerAt> markers = FindMarkers(text);
    // Room for every marker's number in a story numbered 1, 2, 3 ... with gaps.
    denseLimit_ = 2 * markers.size() + 1024;
    for (const auto& [marker, at] : markers) {
        const auto n = tableNumber(marker);
        if (!n || *n >= denseLimit_) {
            others_.emplace(std::string(marker), at);
            continue;
        }
        if (*n >= dense_.size()) dense_.resize(*n + 1, kAbsent);
        if (dense_[*n] == kAbsent) dense_[*n] = at;
    }
    built_ = true;
}

void LocationIndex::clear() {
    dense_.clear();
    others_.clear();
    denseLimit_ = 0;
    built_ = false;
}

std::optional<std::size_t> LocationIndex::find(std::int32_t n) const {
    if (n >= 0 && static_cast<std::size_t>(n) < denseLimit_) {
        const auto i = static_cast<std::size_t>(n);
        if (i >= dense_.size() || dense_[i] == kAbsent) return std::nullopt;
        return dense_[i];
    }
    std::string marker = "<";
    marker.append(toText(n)).append(">");
    const auto it = others_.find(marker);
    if (it == others_.end()) return std::nullopt;
    return it->second;
}

}  // namespace morvane
