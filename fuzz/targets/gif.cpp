// The GIF picture decoder.
#include "PictureTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return morvane::fuzz::decodePicture(&morvane::decodeGif, &morvane::measureGif, data, size);
}
