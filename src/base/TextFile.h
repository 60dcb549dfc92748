#pragma once
// Reading game files the way text-mode files are read: the byte 0x1A ends the
// file wherever it stands, and lines end at CR LF, LF or a lone CR.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// The largest file read whole: ten times a story of 10,000 locations. A game
// folder from a stranger may hold a sparse file of any size that costs it
// nothing on the disk.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{64} << 20;

// The whole file as bytes, or nothing when it can't be opened, is larger than
// kMaxReadBytes, or is no plain file: a pipe would wait for a writer for ever
// and a device may never end, and a game folder from a stranger may hold either.
std::optional<std::string> readBinaryFile(const std::filesystem::path& path);

// The text of a file up to its first 0x1A; nothing when it can't be opened.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

// Cuts text at the first 0x1A, as text-mode reading does.
std::string_view textPart(std::string_view bytes);

// The lines of a text, without their line ends. A final line end does not
// start another (empty) line.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace morvane
