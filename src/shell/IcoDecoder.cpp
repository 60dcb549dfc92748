// Icons, which games use as pictures like any other. An icon file is a directory of pictures of
// several sizes; the largest, then the deepest, is shown. Each is a PNG file
// or a bitmap without its file header, stored twice as tall as the icon: the
// colours, then a one-bit mask whose set bits are see-through.
#include <algorithm>

#include "shell/PictureDecoders.h"

namespace morvane {
namespace {

std::uint32_t read16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}
std::uint32_t read32(std::span<const std::uint8_t> b, std::size_t at) {
    return read16(b, at) | read16(b, at + 2) << 16;
}
void write32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

// The picture of the directory entry to show: its bytes within the file.
bool chooseEntry(std::span<const std::uint8_t> file, std::span<const std::uint8_t>& picture,
                 std::string& error) {
    error = "not a supported icon";
    if (file.size() < 6 || read16(file, 0) != 0 || read16(file, 2) != 1) return false;
    const std::size_t count = read16(file, 4);
    if (count == 0 || file.size() < 6 + 16 * count) return false;
    std::size_t best = 0;
    std::uint64_t bestArea = 0, bestBits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::uint64_t width = file[entry] == 0 ? 256 : file[entry];
        const std::uint64_t height = file[entry + 1] == 0 ? 256 : file[entry + 1];
        const std::uint64_t bits = read16(file, entry + 6);
        if (i == 0 || width * height > bestArea ||
            (width * height == bestArea && bits > bestBits)) {
            best = entry, bestArea = width * height, bestBits = bits;
        }
    }
    const std::size_t size = read32(file, best + 8), offset = read32(file, best + 12);
    if (offset > file.size() || size > file.size() - offset) {
        error = "icon data is truncated";
        return false;
    }
    picture = file.subspan(offset, size);
    return true;
}

// The size of an icon's bitmap: its header gives the height of colours and
// mask together.
bool measureIconBitmap(std::span<const std::uint8_t> dib, RgbaImage& image, std::string& error) {
    error = "not a supported icon";
    if (dib.size() < 40) return false;
    const std::uint32_t headerSize = read32(dib, 0);
    const std::int64_t width = std::int32_t(read32(dib, 4));
    const std::int64_t height = std::int32_t(read32(dib, 8)) / 2;
    if (headerSize < 40 || headerSize > dib.size() || height <= 0) return false;
    if (!acceptableSize(width, height, error)) return false;
    image.width = std::int32_t(width);
    image.height = std::int32_t(height);
    return true;
}

// A headerless bitmap of an icon: given its file header and its real height,
// it is read as any bitmap; then its mask, or for 32 bits its alpha, makes
// parts of it see-through.
bool decodeIconBitmap(std::span<const std::uint8_t> dib, RgbaImage& image, std::string& error) {
    if (!measureIconBitmap(dib, image, error)) return false;
    const std::uint32_t headerSize = read32(dib, 0);
    const std::int64_t width = image.width, height = image.height;
    const std::uint32_t bits = read16(dib, 14), compression = read32(dib, 16);
    std::size_t colours = read32(dib, 32);
    if (bits <= 8 && colours == 0) colours = std::size_t(1) << bits;
    if (bits > 8) colours = compression == 3 && headerSize == 40 ? 3 : 0;  // the colour masks
    if (colours > dib.size()) return false;
    const std::size_t pixels = headerSize + 4 * colours;
    std::vector<std::uint8_t> bmp(14 + dib.size());
    bmp[0] = 'B', bmp[1] = 'M';
    write32(bmp, 2, std::uint32_t(bmp.size()));
    write32(bmp, 10, std::uint32_t(14 + pixels));
    std::copy(dib.begin(), dib.end(), bmp.begin() + 14);
    write32(bmp, 14 + 8, std::uint32_t(height));
    if (!decodeBmp(bmp, image, error)) return false;

    // Rows are stored bottom up, each padded to four bytes.
    const std::size_t stride = std::size_t((width * bits + 31) / 32) * 4;
    bool alpha = false;
    if (bits == 32) {
        for (std::size_t at = pixels + 3; at < pixels + stride * std::size_t(height); at += 4)
            alpha = alpha || dib[at] != 0;
    }
    const std::size_t mask = pixels + stride * std::size_t(height);
    const std::size_t maskStride = std::size_t((width + 31) / 32) * 4;
    const bool masked =
        mask <= dib.size() && (dib.size() - mask) / maskStride >= std::size_t(height);
    for (std::int64_t y = 0; y < height; ++y) {
        const std::size_t stored = std::size_t(height - 1 - y);
        for (std::int64_t x = 0; x < width; ++x) {
            std::uint8_t* out = image.pixels.data() + std::size_t(y * width + x) * 4;
            if (alpha) {
                out[3] = dib[pixels + stored * stride + std::size_t(x) * 4 + 3];
            } else if (masked &&
                       (dib[mask + stored * maskStride + std::size_t(x / 8)] >> (7 - x % 8)) & 1) {
                out[0] = out[1] = out[2] = out[3] = 0;
            }
        }
    }
    return true;
}

bool isPng(std::span<const std::uint8_t> picture) {
    constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
    return picture.size() >= 4 && std::equal(kPng, kPng + 4, picture.begin());
}

}  // namespace

bool decodeIco(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    std::span<const std::uint8_t> picture;
    if (!chooseEntry(file, picture, error)) return false;
    if (isPng(picture)) return decodePng(picture, image, error);
    return decodeIconBitmap(picture, image, error);
}

bool measureIco(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    std::span<const std::uint8_t> picture;
    if (!chooseEntry(file, picture, error)) return false;
    if (isPng(picture)) return measurePng(picture, image, error);
    return measureIconBitmap(picture, image, error);
}

}  // namespace morvane
