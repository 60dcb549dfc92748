#include "shell/Picture.h"

#include <fstream>
#include <system_error>

#include "base/Win1250.h"
#include "shell/PictureDecoders.h"

namespace morvane {
namespace {

// A picture file bigger than this is not read at all.
constexpr std::uintmax_t kMaxPictureFileBytes = std::uintmax_t{256} << 20;

using Decoder = bool (*)(std::span<const std::uint8_t>, RgbaImage&, std::string&);

struct Format {
    const char* extension;
    Decoder decode;
    Decoder measure;
};

constexpr Format kFormats[] = {
    {".png", decodePng, measurePng},  {".jpg", decodeJpeg, measureJpeg},
    {".jpeg", decodeJpeg, measureJpeg}, {".gif", decodeGif, measureGif},
    {".bmp", decodeBmp, measureBmp},  {".ico", decodeIco, measureIco},
};

std::string asciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return text;
}

const Format* formatOf(const std::filesystem::path& path) {
    const std::string extension = asciiLower(path.extension().string());
    for (const Format& format : kFormats) {
        if (extension == format.extension) return &format;
    }
    return nullptr;
}

// Reads the whole file into `bytes`; false when it can't be read. A file
// too large for any picture is refused unread, with `tooLarge` set.
bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   bool& tooLarge) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return false;
    tooLarge = size > kMaxPictureFileBytes;
    if (tooLarge) return false;
    std::ifstream in(path, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return in && in.gcount() == static_cast<std::streamsize>(bytes.size());
}

PictureLoad failure(std::string text) {
    PictureLoad load;
    load.error = std::move(text);
    return load;
}

}  // namespace

bool acceptableSize(std::int64_t width, std::int64_t height, std::string& error) {
    if (width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
        width * height <= kMaxPicturePixels)
        return true;
    error = "unsupported picture size " + std::to_string(width) + " x " + std::to_string(height);
    return false;
}

void allocatePixels(RgbaImage& image, std::int32_t width, std::int32_t height) {
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t(width) * std::size_t(height) * 4, 0);
}

namespace {

// The format is chosen by the extension before the file is opened, so a path
// without a known extension fails the same way whether the file exists or not.
PictureLoad readPicture(const std::filesystem::path& path, Decoder Format::*reader) {
    const std::string shown = fromUtf8(path.string());
    const Format* format = formatOf(path);
    if (format == nullptr) {
        std::string extension = fromUtf8(path.extension().string());
        if (!extension.empty()) extension.erase(0, 1);
        return failure("Unknown picture file extension (." + extension + ")");
    }
    std::vector<std::uint8_t> bytes;
    bool tooLarge = false;
    std::string reason;
    if (!readWholeFile(path, bytes, tooLarge)) {
        if (!tooLarge) return failure("File not found: \"" + shown + "\"");
        reason = "file too large";
    } else if (bytes.empty()) {
        reason = "empty file";
    }
    PictureLoad load;
    if (!reason.empty() || !(format->*reader)(bytes, load.image, reason)) {
        return failure("Picture \"" + shown + "\" cannot be decoded: " + fromUtf8(reason));
    }
    return load;
}

}  // namespace

PictureLoad LoadPicture(const std::filesystem::path& path) {
    return readPicture(path, &Format::decode);
}

PictureLoad MeasurePicture(const std::filesystem::path& path) {
    return readPicture(path, &Format::measure);
}

}  // namespace morvane
