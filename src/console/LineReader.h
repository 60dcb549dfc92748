#pragma once
// The player's typed lines. Read from a stream, a line is simply waited for;
// read from a file descriptor, the wait can be cut into 100 ms ticks, so the
// game's clock (a countdown) runs while the player thinks.
#include <chrono>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace morvane {

class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(&in) {}

    // Reads the descriptor itself from now on (the stream is no longer used).
    void useDescriptor(int fd);

    // What a tick reports: keep waiting, or stop (the screen must be shown anew).
    using TickHandler = std::function<bool()>;

    enum class Got { Line, Interrupted, End };

    // One line without its line end. `onTick`, when given and the input is a
    // descriptor, runs every 100 ms while no whole line has arrived; when it
    // answers true the wait ends with Interrupted.
    Got read(std::string& line, const TickHandler& onTick = nullptr);

private:
    bool takeLine(std::string& line);

    std::istream* in_;
    int fd_ = -1;
    std::string buffer_;  // read from the descriptor, not yet handed out
    bool ended_ = false;
    std::chrono::steady_clock::time_point nextTick_{};
};

}  // namespace morvane
