#pragma once
// Decoding the pictures of a game (interface pictures, story pictures, the
// death picture) into plain RGBA pixels that any front end can show.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace morvane {

// A decoded picture: `width` x `height` pixels, rows top to bottom, four
// bytes a pixel (red, green, blue, alpha; alpha 0 is see-through).
struct RgbaImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;
};

// The outcome of loading a picture: the image, or the text of the error that
// the front end reports while the picture control stays empty.
struct PictureLoad {
    RgbaImage image;
    std::string error;  // Windows-1250; empty when the picture was decoded
    bool ok() const { return error.empty(); }
};

// Pictures larger than this are refused before anything is allocated for
// them, so a damaged header can't ask for gigabytes.
inline constexpr std::int32_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 25;

// Loads the picture file at `path`. The decoder is chosen by the extension,
// in any letter case: ".png", ".jpg"/".jpeg", ".gif", ".bmp", ".ico". Any
// other extension (none included) is a format that isn't known; a missing
// file, an unreadable one or one its decoder rejects is an error too.
PictureLoad LoadPicture(const std::filesystem::path& path);

// The size LoadPicture would give the picture, read from the file's header
// without decoding its pixels: `image` holds the width and height and no
// pixels. It fails as LoadPicture fails, except on damage past the header.
PictureLoad MeasurePicture(const std::filesystem::path& path);

}  // namespace morvane
