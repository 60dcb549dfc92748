#pragma once
// The body of every picture decoder's fuzz target.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "shell/PictureDecoders.h"

namespace morvane::fuzz {

using PictureDecoder = bool (*)(std::span<const std::uint8_t>, RgbaImage&, std::string&);

// Decodes the input; a picture it accepts must hold exactly its pixels, and
// measuring its header alone must give the same size (the page lays pictures
// out by measuring them, and draws them by decoding).
inline int decodePicture(PictureDecoder decode, PictureDecoder measure, const std::uint8_t* data,
                         std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    RgbaImage image, measured;
    std::string error;
    if (!decode(file, image, error)) return 0;
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 4)
        __builtin_trap();
    if (!measure(file, measured, error) || measured.width != image.width ||
        measured.height != image.height || !measured.pixels.empty())
        __builtin_trap();
    return 0;
}

}  // namespace morvane::fuzz
