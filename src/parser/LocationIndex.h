#pragma once
// Where each location marker ("<12>") first stands in a story text, so that a
// settled story of many megabytes is not searched on every location load.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace morvane {

class LocationIndex {
public:
    // Records the first position of every "<" + optional "-" + digits + ">".
    void build(std::string_view text);
    void clear();
    bool built() const { return built_; }
    // The first position of a marker; nothing when it doesn't occur.
    std::optional<std::size_t> find(const std::string& marker) const;

private:
    std::unordered_map<std::string, std::size_t> first_;
    bool built_ = false;
};

}  // namespace morvane
