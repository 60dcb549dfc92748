#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {
namespace {

// Reads on from `bytes.size()` until the end of the file, growing the buffer
// only when the file turns out longer than it said.
bool readToEnd(int fd, std::string& bytes, std::size_t expected) {
    std::size_t filled = 0;
    bytes.resize(std::max<std::size_t>(expected, 1));
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > kMaxReadBytes) return false;  // it grew while being read
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return true;
}

}  // namespace

std::optional<std::string> readBinaryFile(const std::filesystem::path& path) {
    // Not blocking, so that opening a pipe returns at once and can be refused;
    // for a plain file the flag changes nothing.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uintmax_t>(info.st_size) > kMaxReadBytes) {
        ::close(fd);
        return std::nullopt;
    }
    // One read of the size the file has; a file that changes meanwhile is
    // still read whole. The extra byte lets the read that finds the end
    // land in the same buffer.
    const std::size_t expected = static_cast<std::size_t>(info.st_size) + 1;
    std::string bytes;
    const bool read = readToEnd(fd, bytes, expected);
    ::close(fd);
    if (!read) return std::nullopt;
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
