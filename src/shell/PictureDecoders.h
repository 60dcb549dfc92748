#pragma once
// The decoders behind LoadPicture, one per file format. Each takes the whole
// file, fills `image` and returns true, or returns false with the reason in
// `error` (English, from the decoder) and leaves `image` unspecified.
#include <cstdint>
#include <span>
#include <string>

#include "shell/Picture.h"

namespace morvane {

bool decodePng(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool decodeJpeg(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool decodeGif(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool decodeBmp(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool decodeIco(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);

// The size the decoder of the same format gives a picture, read from the
// file's header alone: `image` gets its width and height and no pixels.
bool measurePng(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool measureJpeg(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool measureGif(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool measureBmp(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);
bool measureIco(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error);

// True when a picture of this size may be decoded; otherwise false with the
// reason in `error`.
bool acceptableSize(std::int64_t width, std::int64_t height, std::string& error);

// Sizes `image` for `width` x `height` pixels, all see-through black.
void allocatePixels(RgbaImage& image, std::int32_t width, std::int32_t height);

}  // namespace morvane
