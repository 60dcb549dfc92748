#pragma once
// The body of every picture decoder's fuzz target.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "shell/PictureDecoders.h"

namespace morvane::fuzz {

using PictureDecoder = bool (*)(std::span<const std::uint8_t>, RgbaImage&, std::string&);

// Decodes the input; a picture it accepts must hold exactly its pixels.
inline int decodePicture(PictureDecoder decode, const std::uint8_t* data, std::size_t size) {
    RgbaImage image;
    std::string error;
    if (decode(std::span<const std::uint8_t>(data, size), image, error) &&
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 4)
        __builtin_trap();
    return 0;
}

}  // namespace morvane::fuzz
