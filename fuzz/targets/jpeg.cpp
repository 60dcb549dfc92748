// The JPEG picture decoder.
#include "PictureTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return morvane::fuzz::decodePicture(&morvane::decodeJpeg, &morvane::measureJpeg, data, size);
}
