#include "base/TextFile.h"

#include <fstream>
#include <iterator>

namespace morvane {

std::optional<std::string> readBinaryFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<std::string> readTextFile(const std::filesystem::path& path) {
    auto bytes = readBinaryFile(path);
    if (!bytes) return std::nullopt;
    bytes->resize(textPart(*bytes).size());
    return bytes;
}

std::string_view textPart(std::string_view bytes) {
    const auto end = bytes.find('\x1A');
    return end == std::string_view::npos ? bytes : bytes.substr(0, end);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace morvane
