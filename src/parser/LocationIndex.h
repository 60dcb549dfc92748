#pragma once
// Where each location marker ("<12>") first stands in a story text, so that a
// settled story of many megabytes is not searched on every location load.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morvane {

// A location marker as it stands in a story text.
struct MarkerAt {
    std::string_view text;  // "<12>"
    std::size_t at;
};

// Every marker of a text ("<" + optional "-" + digits + ">"), in text order,
// repeated ones included.
std::vector<MarkerAt> FindMarkers(std::string_view text);

class LocationIndex {
public:
    // Records the first position of every "<" + optional "-" + digits + ">".
    void build(std::string_view text);
    void clear();
    bool built() const { return built_; }
    // The first position of the marker of location n; nothing when it doesn't occur.
    std::optional<std::size_t> find(std::int32_t n) const;

private:
    // Location numbers as games use them (0, 1, 2 ... in their usual decimal
    // form) sit in a table; the rest (negative, far out, leading zeros) in a map.
    std::vector<std::size_t> dense_;
    std::size_t denseLimit_ = 0;
    std::unordered_map<std::string, std::size_t> others_;
    bool built_ = false;
};

}  // namespace morvane
