// Windows bitmaps, the format story pictures of older games often use:
// uncompressed 1, 4, 8, 16, 24 and 32 bits a pixel, with colour masks or
// without. Compressed (RLE) bitmaps are refused.
#include <algorithm>
#include <array>
#include <bit>

#include "shell/PictureDecoders.h"

namespace morvane {
namespace {

constexpr std::uint32_t kRgb = 0, kBitFields = 3;

std::uint32_t read16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}
std::uint32_t read32(std::span<const std::uint8_t> b, std::size_t at) {
    return read16(b, at) | read16(b, at + 2) << 16;
}

// One colour channel of a masked pixel, scaled to 0..255.
std::uint8_t channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return std::uint8_t(std::uint64_t((pixel & mask) >> shift) * 255 / max);
}

struct BmpLayout {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    std::uint32_t bits = 0;
    std::size_t pixelStart = 0;
    std::size_t paletteStart = 0, paletteEntries = 0, paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

// Reads the file and info headers: sizes, depth, where the palette and the
// pixels are, and the colour masks of 16- and 32-bit pictures.
bool readLayout(std::span<const std::uint8_t> file, BmpLayout& bmp, std::string& error) {
    error = "not a supported bitmap";
    if (file.size() < 26 || file[0] != 'B' || file[1] != 'M') return false;
    const std::uint32_t headerSize = read32(file, 14);
    bmp.pixelStart = read32(file, 10);
    std::uint32_t compression = kRgb;
    if (headerSize == 12) {  // the old core header
        bmp.width = read16(file, 18);
        bmp.height = std::int16_t(read16(file, 20));
        bmp.bits = read16(file, 24);
        bmp.paletteEntrySize = 3;
    } else if (headerSize >= 40 && file.size() >= 54) {
        bmp.width = std::int32_t(read32(file, 18));
        bmp.height = std::int32_t(read32(file, 22));
        bmp.bits = read16(file, 28);
        compression = read32(file, 30);
        bmp.paletteEntries = read32(file, 46);
    } else {
        return false;
    }
    bmp.topDown = bmp.height < 0;
    if (bmp.topDown) bmp.height = -bmp.height;
    bmp.paletteStart = 14 + std::size_t(headerSize);
    if (bmp.bits <= 8 && bmp.paletteEntries == 0) bmp.paletteEntries = std::size_t(1) << bmp.bits;
    if (bmp.bits == 16) bmp.masks = {0x7C00, 0x03E0, 0x001F};
    if (bmp.bits == 24 || bmp.bits == 32) bmp.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    if (compression == kBitFields && (bmp.bits == 16 || bmp.bits == 32)) {
        // The masks follow a 40-byte header and sit inside the longer ones.
        if (file.size() < 66) return false;
        bmp.masks = {read32(file, 54), read32(file, 58), read32(file, 62)};
    } else if (compression != kRgb) {
        error = "compressed bitmaps are not supported";
        return false;
    }
    const std::uint32_t depths[] = {1, 4, 8, 16, 24, 32};
    if (std::find(std::begin(depths), std::end(depths), bmp.bits) == std::end(depths)) {
        error = "unsupported bitmap depth " + std::to_string(bmp.bits);
        return false;
    }
    return acceptableSize(bmp.width, bmp.height, error);
}

void putPixel(std::span<const std::uint8_t> file, const BmpLayout& bmp, std::size_t row,
              std::int64_t x, std::uint8_t* out) {
    out[3] = 255;
    if (bmp.bits <= 8) {
        const std::size_t bit = std::size_t(x) * bmp.bits;
        const unsigned byte = file[row + bit / 8];
        const unsigned index = (byte >> (8 - bmp.bits - bit % 8)) & ((1u << bmp.bits) - 1);
        const std::size_t entry = bmp.paletteStart + index * bmp.paletteEntrySize;
        if (index >= bmp.paletteEntries || entry + 3 > file.size()) return;  // black
        out[0] = file[entry + 2], out[1] = file[entry + 1], out[2] = file[entry];
        return;
    }
    const std::size_t at = row + std::size_t(x) * (bmp.bits / 8);
    std::uint32_t pixel = 0;
    for (std::uint32_t i = 0; i < bmp.bits / 8; ++i) pixel |= std::uint32_t(file[at + i]) << (8 * i);
    for (int c = 0; c < 3; ++c) out[c] = channel(pixel, bmp.masks[std::size_t(c)]);
}

}  // namespace

bool measureBmp(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    BmpLayout bmp;
    if (!readLayout(file, bmp, error)) return false;
    image.width = std::int32_t(bmp.width);
    image.height = std::int32_t(bmp.height);
    return true;
}

// Reads an uncompressed bitmap as opaque RGBA (a 32-bit bitmap's fourth byte
// is reserved, not alpha, and painters leave anything in it, so it is ignored).
bool decodeBmp(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    BmpLayout bmp;
    if (!readLayout(file, bmp, error)) return false;
    const std::size_t stride = std::size_t((bmp.width * bmp.bits + 31) / 32) * 4;
    if (bmp.pixelStart > file.size() || (file.size() - bmp.pixelStart) / stride < std::size_t(bmp.height)) {
        error = "bitmap data is truncated";
        return false;
    }
    allocatePixels(image, std::int32_t(bmp.width), std::int32_t(bmp.height));
    for (std::int64_t y = 0; y < bmp.height; ++y) {
        const std::int64_t stored = bmp.topDown ? y : bmp.height - 1 - y;
        const std::size_t row = bmp.pixelStart + std::size_t(stored) * stride;
        std::uint8_t* out = image.pixels.data() + std::size_t(y * bmp.width) * 4;
        for (std::int64_t x = 0; x < bmp.width; ++x, out += 4) putPixel(file, bmp, row, x, out);
    }
    return true;
}

}  // namespace morvane
