#pragma once
// Writes small pictures with the formats' own encoders, so the decoders are
// tested on files made the way real tools make them.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace morvane::test {

struct Rgba {
    std::uint8_t r, g, b, a;
};

// `pixels` row by row, top row first.
void writePng(const std::filesystem::path& path, int width, int height,
              const std::vector<Rgba>& pixels);
// Opaque RGB at the best quality; `grey` writes one channel.
void writeJpeg(const std::filesystem::path& path, int width, int height,
               const std::vector<Rgba>& pixels, bool grey = false);
// Each pixel is an index into `palette` (at most 256 colours); `transparent`
// (or -1) is the see-through index; interlaced files store rows in four passes.
void writeGif(const std::filesystem::path& path, int width, int height,
              const std::vector<std::uint8_t>& indices, const std::vector<Rgba>& palette,
              int transparent, bool interlaced = false);

}  // namespace morvane::test
