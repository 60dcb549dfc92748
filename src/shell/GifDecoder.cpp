// GIF through giflib, record by record, so that a frame's size is checked
// before any of its pixels is read. Only the first frame is shown.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "shell/PictureDecoders.h"

namespace morvane {
namespace {

struct GifInput {
    std::span<const std::uint8_t> file;
    std::size_t position = 0;
};

int readGifBytes(GifFileType* gif, GifByteType* buffer, int wanted) {
    auto* input = static_cast<GifInput*>(gif->UserData);
    const std::size_t count =
        std::min(std::size_t(wanted), input->file.size() - input->position);
    std::memcpy(buffer, input->file.data() + input->position, count);
    input->position += count;
    return int(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

bool gifFailed(int code, std::string& error) {
    const char* text = GifErrorString(code);
    error = text != nullptr ? text : "GIF error " + std::to_string(code);
    return false;
}

// The transparent colour index of a graphic control block, or -1.
int transparentIndex(const GifByteType* block) {
    if (block == nullptr || block[0] < 4 || (block[1] & 1) == 0) return -1;
    return block[4];
}

// Skips extension blocks up to the first image descriptor, keeping the
// transparent index of the last graphic control block before it.
bool findFirstFrame(GifFileType* gif, int& transparent, std::string& error) {
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return gifFailed(gif->Error, error);
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) == GIF_ERROR) return gifFailed(gif->Error, error);
            return true;
        }
        if (type != EXTENSION_RECORD_TYPE) {
            error = "GIF file holds no picture";
            return false;
        }
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return gifFailed(gif->Error, error);
        if (code == GRAPHICS_EXT_FUNC_CODE) transparent = transparentIndex(block);
        while (block != nullptr) {
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                return gifFailed(gif->Error, error);
        }
    }
}

// The canvas holds the logical screen and the whole first frame, even one
// that reaches past the screen.
bool canvasSize(const GifFileType* gif, RgbaImage& image, std::string& error) {
    const GifImageDesc& frame = gif->Image;
    const std::int64_t width = std::max<std::int64_t>(gif->SWidth, frame.Left + frame.Width);
    const std::int64_t height = std::max<std::int64_t>(gif->SHeight, frame.Top + frame.Height);
    if (!acceptableSize(width, height, error)) return false;
    image.width = std::int32_t(width);
    image.height = std::int32_t(height);
    return true;
}

// Opens the file and reads up to the first frame's descriptor; null (with
// the reason in `error`) when there is none.
GifHandle openFirstFrame(GifInput& input, int& transparent, std::string& error) {
    int status = 0;
    GifHandle gif(DGifOpen(&input, readGifBytes, &status));
    if (!gif) {
        gifFailed(status, error);
        return nullptr;
    }
    if (!findFirstFrame(gif.get(), transparent, error)) return nullptr;
    return gif;
}

void putPixel(std::uint8_t* out, const ColorMapObject& colours, int index, int transparent) {
    if (index == transparent) return;  // stays see-through
    if (index < colours.ColorCount) {
        const GifColorType& colour = colours.Colors[index];
        out[0] = colour.Red, out[1] = colour.Green, out[2] = colour.Blue;
    }
    out[3] = 255;
}

// Reads the frame's rows (interlaced ones in their four passes) onto the
// canvas, which is see-through outside the frame.
bool readFrame(GifFileType* gif, int transparent, RgbaImage& image, std::string& error) {
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colours = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (colours == nullptr) {
        error = "GIF file has no colour table";
        return false;
    }
    if (!canvasSize(gif, image, error)) return false;
    const std::int64_t width = image.width;
    allocatePixels(image, image.width, image.height);
    std::vector<GifPixelType> line(std::size_t(std::max(frame.Width, 1)));
    constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    const int passes = frame.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int step = frame.Interlace ? kStep[pass] : 1;
        for (int y = frame.Interlace ? kStart[pass] : 0; y < frame.Height; y += step) {
            if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
                return gifFailed(gif->Error, error);
            std::uint8_t* out =
                image.pixels.data() + (std::size_t(frame.Top + y) * width + frame.Left) * 4;
            for (int x = 0; x < frame.Width; ++x, out += 4)
                putPixel(out, *colours, line[std::size_t(x)], transparent);
        }
    }
    return true;
}

}  // namespace

// Reads the first frame of a GIF file as RGBA; its transparent colour stays
// see-through.
bool decodeGif(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    GifInput input{file};
    int transparent = -1;
    const GifHandle gif = openFirstFrame(input, transparent, error);
    return gif && readFrame(gif.get(), transparent, image, error);
}

bool measureGif(std::span<const std::uint8_t> file, RgbaImage& image, std::string& error) {
    GifInput input{file};
    int transparent = -1;
    const GifHandle gif = openFirstFrame(input, transparent, error);
    return gif && canvasSize(gif.get(), image, error);
}

}  // namespace morvane
