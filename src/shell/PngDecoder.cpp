// PNG through libpng's simplified reader, which keeps libpng's error jumps
// inside the library and reports failures as text.
#include <png.h>

#include "shell/PictureDecoders.h"

namespace morvane {
namespace {

// Releases whatever libpng still holds, on every way out.
struct PngReader {
    png_image image{};
    PngReader() { image.version = PNG_IMAGE_VERSION; }
    ~PngReader() { png_image_free(&image); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

// Reads the header: the picture's size, which must be acceptable.
bool beginPng(PngReader& reader, std::span<const std::uint8_t> file, std::string& error) {
    png_image& png = reader.image;
    if (!png_image_begin_read_from_memory(&png, file.data(), file.size())) {
        error = png.message;
        return false;
    }
    return acceptableSize(png.width, png.height, error);
}

}  // namespace

bool measurePng(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    PngReader reader;
    if (!beginPng(reader, file, error)) return false;
    image.width = std::int32_t(reader.image.width);
    image.height = std::int32_t(reader.image.height);
    return true;
}

// Reads a PNG file of any colour type and depth as 8-bit RGBA, keeping its
// transparency.
bool decodePng(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    PngReader reader;
    if (!beginPng(reader, file, error)) return false;
    png_image& png = reader.image;
    // 16-bit files that say nothing of their gamma hold the same sRGB values
    // as 8-bit ones, only finer; taken as linear they would show washed out.
    png.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    png.format = PNG_FORMAT_RGBA;
    allocatePixels(image, std::int32_t(png.width), std::int32_t(png.height));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        error = png.message;
        return false;
    }
    return true;
}

}  // namespace morvane
