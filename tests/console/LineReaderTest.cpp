// The player's lines read from a descriptor, with the clock running while
// none has come.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>

#include "console/LineReader.h"

using morvane::LineReader;

namespace {

struct Pipe {
    int fds[2] = {-1, -1};
    Pipe() { EXPECT_EQ(::pipe(fds), 0); }
    ~Pipe() {
        for (int fd : fds)
            if (fd >= 0) ::close(fd);
    }
    void write(const std::string& text) const {
        EXPECT_EQ(::write(fds[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void closeWriter() { ::close(fds[1]), fds[1] = -1; }
};

}  // namespace

TEST(LineReader, LinesTypedAheadComeBeforeAnyTickAndTheLastNeedsNoLineEnd) {
    Pipe pipe;
    std::istringstream unused;
    LineReader reader(unused);
    reader.useDescriptor(pipe.fds[0]);
    pipe.write("1\r\nkonec\nbez konce");
    pipe.closeWriter();
    int ticks = 0;
    const auto tick = [&] { return ++ticks > 100; };
    std::string line;
    for (const char* expected : {"1\r", "konec", "bez konce"}) {
        ASSERT_EQ(reader.read(line, tick), LineReader::Got::Line);
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(reader.read(line, tick), LineReader::Got::End);
    EXPECT_EQ(ticks, 0);
}

TEST(LineReader, TheClockTicksWhileNoLineHasComeAndALongLineComesInPieces) {
    Pipe pipe;
    std::istringstream unused;
    LineReader reader(unused);
    reader.useDescriptor(pipe.fds[0]);
    int ticks = 0;
    const auto start = std::chrono::steady_clock::now();
    std::string line;
    EXPECT_EQ(reader.read(line, [&] { return ++ticks == 3; }), LineReader::Got::Interrupted);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    // More than a pipe holds: written while the reader reads.
    std::thread typist([&] { pipe.write(std::string(70000, 'x') + "\n"); });
    EXPECT_EQ(reader.read(line), LineReader::Got::Line);
    EXPECT_EQ(line.size(), 64u * 1024);
    EXPECT_EQ(reader.read(line), LineReader::Got::Line);
    EXPECT_EQ(line.size(), 70000u - 64 * 1024);
    typist.join();
}
