// JPEG through libjpeg. Its fatal errors leave by longjmp, so the decoding
// function keeps no object with a destructor of its own: the pixels live in
// the caller's image, the row pointers in plain locals.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "shell/PictureDecoders.h"

namespace morvane {
namespace {

struct JpegErrors {
    jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is ours too
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void failJpeg(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (a truncated file, for one) are not reported: what could be
// decoded is shown, the rest stays grey as libjpeg fills it.
void ignoreJpegMessage(j_common_ptr, int) {}

// Adobe's CMYK pictures store the inks inverted; others store them as they are.
void cmykRowToRgba(std::uint8_t* row, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, row += 4) {
        unsigned c = row[0], m = row[1], y = row[2], k = row[3];
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        row[0] = std::uint8_t(c * k / 255);
        row[1] = std::uint8_t(m * k / 255);
        row[2] = std::uint8_t(y * k / 255);
        row[3] = 255;
    }
}

// Reads a baseline or progressive JPEG (grey, YCbCr, RGB, CMYK, YCCK) as
// RGBA, or with `pixels` false only its size from the header.
bool readJpeg(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error,
              bool pixels) {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = failJpeg;
    errors.manager.emit_message = ignoreJpegMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        error = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    if (!acceptableSize(info.image_width, info.image_height, error)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (!pixels) {
        image.width = std::int32_t(info.image_width);
        image.height = std::int32_t(info.image_height);
        jpeg_destroy_decompress(&info);
        return true;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    allocatePixels(image, std::int32_t(info.output_width), std::int32_t(info.output_height));
    const std::size_t stride = std::size_t(info.output_width) * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + stride * info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
        if (cmyk) cmykRowToRgba(row, info.output_width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

bool decodeJpeg(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    return readJpeg(file, image, error, true);
}

bool measureJpeg(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    return readJpeg(file, image, error, false);
}

}  // namespace morvane
