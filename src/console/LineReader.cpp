#include "console/LineReader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <istream>

namespace morvane {
namespace {

constexpr auto kTick = std::chrono::milliseconds(100);
// Input without line ends is handed out in pieces of this size rather than
// held without bound.
constexpr std::size_t kLongestLine = 64 * 1024;

}  // namespace

void LineReader::useDescriptor(int fd) {
    fd_ = fd;
    nextTick_ = std::chrono::steady_clock::now() + kTick;
}

bool LineReader::takeLine(std::string& line) {
    const auto end = buffer_.find('\n');
    if (end == std::string::npos) {
        // The last line may end without a line end.
        if ((!ended_ || buffer_.empty()) && buffer_.size() < kLongestLine) return false;
        line = std::move(buffer_);
        buffer_.clear();
        return true;
    }
    line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    return true;
}

LineReader::Got LineReader::read(std::string& line, const TickHandler& onTick) {
    if (fd_ < 0) return std::getline(*in_, line) ? Got::Line : Got::End;
    for (;;) {
        if (takeLine(line)) return Got::Line;
        if (ended_) return Got::End;
        int timeout = -1;
        if (onTick) {
            const auto now = std::chrono::steady_clock::now();
            if (now >= nextTick_) {
                // Ticks missed while the game was busy, or while no clock ran,
                // are not made up in a burst.
                nextTick_ = now - nextTick_ > kTick ? now + kTick : nextTick_ + kTick;
                if (onTick()) return Got::Interrupted;
                continue;
            }
            timeout = static_cast<int>(
                std::chrono::ceil<std::chrono::milliseconds>(nextTick_ - now).count());
        }
        pollfd input{fd_, POLLIN, 0};
        const int ready = ::poll(&input, 1, timeout);
        if (ready < 0 && errno != EINTR) ended_ = true;
        if (ready <= 0) continue;
        char chunk[4096];
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) buffer_.append(chunk, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR) ended_ = true;
    }
}

}  // namespace morvane
