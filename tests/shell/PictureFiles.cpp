#include "shell/PictureFiles.h"

#include <gif_lib.h>
#include <png.h>

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace morvane::test {

void writePng(const std::filesystem::path& path, int width, int height,
              const std::vector<Rgba>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr))
        throw std::runtime_error(image.message);
}

void writeJpeg(const std::filesystem::path& path, int width, int height,
               const std::vector<Rgba>& pixels, bool grey) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) throw std::runtime_error("cannot write " + path.string());
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba& p = pixels[std::size_t(y * width + x)];
            if (grey) {
                row[std::size_t(x)] = p.r;
            } else {
                row[std::size_t(x) * 3] = p.r, row[std::size_t(x) * 3 + 1] = p.g,
                                  row[std::size_t(x) * 3 + 2] = p.b;
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
}

void writeGif(const std::filesystem::path& path, int width, int height,
              const std::vector<std::uint8_t>& indices, const std::vector<Rgba>& palette,
              int transparent, bool interlaced) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (gif == nullptr) throw std::runtime_error("cannot write " + path.string());
    int size = 2;
    while (size < int(palette.size())) size *= 2;
    std::vector<GifColorType> colours(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{palette[i].r, palette[i].g, palette[i].b};
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    if (transparent >= 0) {
        GraphicsControlBlock control{};
        control.TransparentColor = transparent;
        GifByteType block[4];
        const std::size_t length = EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), block);
    }
    EGifPutImageDesc(gif, 0, 0, width, height, interlaced, nullptr);
    std::vector<int> order;
    if (interlaced) {
        for (int pass : {0, 1, 2, 3}) {
            const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
            for (int y = start[pass]; y < height; y += step[pass]) order.push_back(y);
        }
    } else {
        for (int y = 0; y < height; ++y) order.push_back(y);
    }
    for (int y : order) {
        std::vector<GifPixelType> line(indices.begin() + y * width,
                                       indices.begin() + (y + 1) * width);
        EGifPutLine(gif, line.data(), width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
}

}  // namespace morvane::test
