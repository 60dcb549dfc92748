#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>

#include "base/Win1250.h"
#include "shell/Picture.h"
#include "shell/PictureFiles.h"
#include "shell/SkinImage.h"
#include "support/TempFolder.h"

namespace morvane {
namespace {

using test::Rgba;

Rgba pixelAt(const RgbaImage& image, int x, int y) {
    const std::uint8_t* p = image.pixels.data() + (std::size_t(y) * image.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

void expectPixel(const RgbaImage& image, int x, int y, Rgba want, int tolerance = 0) {
    const Rgba got = pixelAt(image, x, y);
    EXPECT_NEAR(got.r, want.r, tolerance) << x << "," << y;
    EXPECT_NEAR(got.g, want.g, tolerance) << x << "," << y;
    EXPECT_NEAR(got.b, want.b, tolerance) << x << "," << y;
    EXPECT_EQ(got.a, want.a) << x << "," << y;
}

PictureLoad loaded(const std::filesystem::path& path) {
    PictureLoad load = LoadPicture(path);
    EXPECT_TRUE(load.ok()) << load.error;
    return load;
}

constexpr Rgba kRed{255, 0, 0, 255}, kBlue{0, 0, 255, 255}, kClear{0, 0, 0, 0};

// A one-pixel 16-bit RGB PNG with no gamma chunk, as drawing programs save them.
std::string png16(std::uint16_t r, std::uint16_t g, std::uint16_t b) {
    const auto chunk = [](const std::string& type, const std::string& data) {
        std::string out;
        for (int i = 0; i < 4; ++i) out += char(data.size() >> (24 - 8 * i));
        const std::string body = type + data;
        const auto crc = std::uint32_t(
            crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size())));
        out += body;
        for (int i = 0; i < 4; ++i) out += char(crc >> (24 - 8 * i));
        return out;
    };
    std::string row(1, '\0');
    for (std::uint16_t v : {r, g, b}) row += std::string{char(v >> 8), char(v)};
    std::string packed(compressBound(uLong(row.size())), '\0');
    uLongf size = uLongf(packed.size());
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(row.data()), uLong(row.size()));
    packed.resize(size);
    return "\x89PNG\r\n\x1a\n" +
           chunk("IHDR", std::string("\0\0\0\x01\0\0\0\x01\x10\x02\0\0\0", 13)) +
           chunk("IDAT", packed) + chunk("IEND", "");
}

TEST(LoadPicture, PngAndGifKeepTheirColoursAndTransparency) {
    test::TempFolder folder;
    const auto png = folder.path() / "a.PNG";
    test::writePng(png, 2, 2, {kRed, {10, 20, 30, 128}, kClear, kBlue});
    const RgbaImage fromPng = loaded(png).image;
    ASSERT_EQ(fromPng.width, 2);
    ASSERT_EQ(fromPng.height, 2);
    expectPixel(fromPng, 1, 0, {10, 20, 30, 128}, 1);
    EXPECT_EQ(pixelAt(fromPng, 0, 1).a, 0);
    expectPixel(fromPng, 1, 1, kBlue);

    const auto gif = folder.path() / "b.gif";
    test::writeGif(gif, 3, 1, {0, 1, 2}, {kRed, kBlue, {9, 9, 9, 255}}, 1);
    const RgbaImage fromGif = loaded(gif).image;
    ASSERT_EQ(fromGif.width, 3);
    expectPixel(fromGif, 0, 0, kRed);
    EXPECT_EQ(pixelAt(fromGif, 1, 0).a, 0);
    expectPixel(fromGif, 2, 0, {9, 9, 9, 255});

    // Interlaced rows come in four passes and must land on their own rows.
    std::vector<Rgba> shades;
    std::vector<std::uint8_t> rows;
    for (std::uint8_t y = 0; y < 11; ++y) {
        shades.push_back({std::uint8_t(y * 20), 0, 0, 255});
        rows.push_back(y);
    }
    test::writeGif(folder.path() / "c.gif", 1, 11, rows, shades, -1, true);
    const RgbaImage interlaced = loaded(folder.path() / "c.gif").image;
    for (int y = 0; y < 11; ++y) expectPixel(interlaced, 0, y, shades[std::size_t(y)]);

    // 16-bit samples without gamma information keep their colours.
    folder.write("deep.png", png16(0x4A4A, 0x3535, 0x2424));
    expectPixel(loaded(folder.path() / "deep.png").image, 0, 0, {74, 53, 36, 255}, 1);
}

TEST(LoadPicture, JpegInColourAndGrey) {
    test::TempFolder folder;
    std::vector<Rgba> halves;
    for (int i = 0; i < 16 * 16; ++i) halves.push_back(i % 16 < 8 ? kRed : kBlue);
    test::writeJpeg(folder.path() / "a.Jpeg", 16, 16, halves);
    const RgbaImage colour = loaded(folder.path() / "a.Jpeg").image;
    ASSERT_EQ(colour.width, 16);
    ASSERT_EQ(colour.height, 16);
    expectPixel(colour, 2, 5, kRed, 12);
    expectPixel(colour, 13, 10, kBlue, 12);

    test::writeJpeg(folder.path() / "g.jpg", 8, 8, std::vector<Rgba>(64, {90, 0, 0, 255}), true);
    expectPixel(loaded(folder.path() / "g.jpg").image, 3, 3, {90, 90, 90, 255}, 2);
}

// `v` as `n` little-endian bytes.
std::string le(std::uint64_t v, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += char(v >> (8 * i));
    return out;
}

// A bottom-up bitmap of `width` x `height` pixels with a 40-byte header; 8-bit
// ones get a palette of `colours` entries, entry c red 0x30 + c, green 0x20 + c
// and blue 0x10 + c, and index x % colours; 24-bit ones are red 0x30, green
// 0x20 and blue x * 7 + (row counted from the bottom).
std::string bitmap(int width, int height, int bits, int colours = 0) {
    const int stride = (width * bits + 31) / 32 * 4;
    const int start = 54 + 4 * colours;
    std::string file = "BM" + le(std::uint32_t(start + stride * height), 4) + le(0, 4) +
                       le(std::uint32_t(start), 4) + le(40, 4) + le(std::uint32_t(width), 4) +
                       le(std::uint32_t(height), 4) + le(1, 2) + le(std::uint32_t(bits), 2) +
                       le(0, 4) + le(0, 4) + le(0, 8) + le(std::uint32_t(colours), 4) + le(0, 4);
    for (int c = 0; c < colours; ++c) file += le(std::uint32_t(0x302010 + 0x010101 * c), 4);
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row += bits == 8 ? std::string(1, char(x % colours))
                             : le(std::uint32_t(0x302000 + x * 7 + y), 3);
        }
        file += row + std::string(std::size_t(stride) - row.size(), '\0');
    }
    return file;
}

// An icon of square pictures (side, PNG file or headerless bitmap).
std::string icon(const std::vector<std::pair<int, std::string>>& pictures) {
    std::string file = le(0, 2) + le(1, 2) + le(std::uint32_t(pictures.size()), 2), data;
    std::size_t offset = 6 + 16 * pictures.size();
    for (const auto& [side, bytes] : pictures) {
        file += std::string(2, char(side)) + std::string(2, '\0') + le(1, 2) + le(0, 2) +
                le(std::uint32_t(bytes.size()), 4) + le(std::uint32_t(offset + data.size()), 4);
        data += bytes;
    }
    return file + data;
}

// A bitmap as an icon stores it: no file header, twice as tall, then its mask.
std::string iconBitmap(std::string bmp, int height, const std::string& mask) {
    bmp.erase(0, 14);
    bmp.replace(8, 4, le(std::uint32_t(2 * height), 4));
    return bmp + mask;
}

TEST(LoadPicture, UncompressedBitmaps) {
    test::TempFolder folder;
    // 24 bits, stored bottom row first, rows of 9 bytes padded to 12.
    folder.write("a.bmp", bitmap(3, 2, 24));
    const RgbaImage wide = loaded(folder.path() / "a.bmp").image;
    ASSERT_EQ(wide.width, 3);
    ASSERT_EQ(wide.height, 2);
    expectPixel(wide, 0, 0, {0x30, 0x20, 1, 255});
    expectPixel(wide, 2, 0, {0x30, 0x20, 15, 255});
    expectPixel(wide, 2, 1, {0x30, 0x20, 14, 255});

    // 8 bits with a two-colour palette, stored top row first (negative height);
    // an index past the palette is black.
    std::string bmp8 = bitmap(2, 2, 8, 2);
    bmp8.replace(22, 4, le(std::uint32_t(-2), 4));
    bmp8[bmp8.size() - 3] = 7;  // the bottom row's second pixel
    folder.write("b.BMP", bmp8);
    const RgbaImage paletted = loaded(folder.path() / "b.BMP").image;
    expectPixel(paletted, 0, 0, {0x30, 0x20, 0x10, 255});
    expectPixel(paletted, 1, 0, {0x31, 0x21, 0x11, 255});
    expectPixel(paletted, 1, 1, {0, 0, 0, 255});
}

TEST(LoadPicture, UnknownExtensionOrMissingFileLoadsNothing) {
    test::TempFolder folder;
    test::writePng(folder.path() / "menu", 1, 1, {kRed});
    PictureLoad load = LoadPicture(folder.path() / "menu");
    EXPECT_EQ(load.error, "Unknown picture file extension (.)");
    EXPECT_TRUE(load.image.pixels.empty());
    EXPECT_EQ(LoadPicture(folder.path() / "a.tiff").error, "Unknown picture file extension (.tiff)");
    const auto missing = folder.path() / "žába.png";
    EXPECT_EQ(LoadPicture(missing).error, "File not found: \"" + fromUtf8(missing.string()) + "\"");
    std::filesystem::create_directory(folder.path() / "dir.gif");
    EXPECT_EQ(LoadPicture(folder.path() / "dir.gif").error.rfind("File not found", 0), 0u);
}

// Patches a PNG's size in its header chunk, with the chunk's checksum redone.
std::string pngWithSize(std::string png, std::uint32_t width, std::uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(width >> (24 - 8 * i));
        png[20 + i] = char(height >> (24 - 8 * i));
    }
    const auto crc = std::uint32_t(
        crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17));
    for (int i = 0; i < 4; ++i) png[29 + i] = char(crc >> (24 - 8 * i));
    return png;
}

// A JPEG's size sits in its start-of-frame segment.
std::string jpegWithSize(std::string jpeg, std::uint16_t width, std::uint16_t height) {
    const std::size_t frame = jpeg.find("\xFF\xC0");
    jpeg[frame + 5] = char(height >> 8), jpeg[frame + 6] = char(height);
    jpeg[frame + 7] = char(width >> 8), jpeg[frame + 8] = char(width);
    return jpeg;
}

TEST(LoadPicture, DamagedFilesAreReportedWithoutCrashing) {
    test::TempFolder folder;
    const auto& dir = folder.path();
    test::writePng(dir / "ok.png", 4, 4, std::vector<Rgba>(16, kRed));
    test::writeJpeg(dir / "ok.jpg", 16, 16, std::vector<Rgba>(256, kRed));
    test::writeGif(dir / "ok.gif", 4, 4, std::vector<std::uint8_t>(16, 0), {kRed, kBlue}, -1);
    const std::string png = test::ReadFile(dir / "ok.png");
    const std::string jpeg = test::ReadFile(dir / "ok.jpg");
    const std::string gif = test::ReadFile(dir / "ok.gif");
    std::string hugeGif = gif;
    hugeGif.replace(6, 4, "\xFF\xFF\xFF\xFF");
    const std::string hugeBmp = bitmap(100000, 1, 24).substr(0, 54 + 64);

    const std::pair<const char*, std::string> damaged[] = {
        {"empty.png", ""},
        {"half.png", png.substr(0, png.size() / 2)},
        {"noise.png", png.substr(0, 8) + std::string(200, '\x5A')},
        {"huge.png", pngWithSize(png, 100000, 100000)},
        {"wide.png", pngWithSize(png, 20000, 1)},
        {"empty.jpg", ""},
        {"half.jpg", jpeg.substr(0, jpeg.size() / 2)},
        {"noise.jpg", jpeg.substr(0, 2) + std::string(300, '\x11')},
        {"huge.jpg", jpegWithSize(jpeg, 60000, 60000)},
        {"zero.jpg", jpegWithSize(jpeg, 0, 16)},
        {"empty.gif", ""},
        {"noise.gif", gif.substr(0, 6) + std::string(40, '\xEE')},
        {"half.gif", gif.substr(0, gif.size() - 6)},
        {"huge.gif", hugeGif},
        {"noise.bmp", "BM" + std::string(60, '\x7F')},
        {"huge.bmp", hugeBmp},
        {"short.bmp", hugeBmp.substr(0, 40)},
    };
    for (const auto& [name, bytes] : damaged) {
        folder.write(name, bytes);
        const PictureLoad load = LoadPicture(dir / name);
        EXPECT_FALSE(load.ok()) << name;
        EXPECT_EQ(load.error.rfind("Picture \"" + (dir / name).string() + "\" cannot be decoded: ", 0),
                  0u)
            << name << ": " << load.error;
        EXPECT_TRUE(load.image.pixels.empty()) << name;
    }

    // A cut-off JPEG still shows the rows it has, as its decoder allows.
    folder.write("cut.jpg", jpeg.substr(0, jpeg.find("\xFF\xDA") + 16));
    EXPECT_EQ(LoadPicture(dir / "cut.jpg").image.width, 16);
}

TEST(LoadPicture, IconsShowTheirLargestPictureWithItsMask) {
    test::TempFolder folder;
    const auto& dir = folder.path();
    // The mask's first row is the bottom one; its set bit hides that row's first pixel.
    const std::string mask = std::string("\x80\0\0\0", 4) + std::string(4, '\0');
    const std::string small = iconBitmap(bitmap(1, 1, 24), 1, std::string(4, '\0'));
    folder.write("a.ICO", icon({{1, small}, {2, iconBitmap(bitmap(2, 2, 24), 2, mask)}}));
    const RgbaImage masked = loaded(dir / "a.ICO").image;
    ASSERT_EQ(masked.width, 2);
    ASSERT_EQ(masked.height, 2);
    expectPixel(masked, 0, 0, {0x30, 0x20, 1, 255});
    expectPixel(masked, 1, 0, {0x30, 0x20, 8, 255});
    expectPixel(masked, 0, 1, kClear);
    expectPixel(masked, 1, 1, {0x30, 0x20, 7, 255});

    // Without its mask the picture is opaque.
    folder.write("b.ico", icon({{2, iconBitmap(bitmap(2, 2, 24), 2, "")}}));
    expectPixel(loaded(dir / "b.ico").image, 0, 1, {0x30, 0x20, 0, 255});

    test::writePng(dir / "p.png", 2, 1, {kRed, {10, 20, 30, 128}});
    folder.write("p.ico", icon({{2, test::ReadFile(dir / "p.png")}}));
    expectPixel(loaded(dir / "p.ico").image, 1, 0, {10, 20, 30, 128}, 1);
}

// Measuring reads only the header and gives the size loading gives; that it
// agrees on damaged files too is the picture fuzz targets' job.
TEST(LoadPicture, MeasuringGivesTheSizeLoadingGives) {
    test::TempFolder folder;
    const auto& dir = folder.path();
    std::vector<Rgba> pixels(24 * 20, kRed);
    test::writePng(dir / "a.png", 24, 20, pixels);
    test::writeJpeg(dir / "a.jpg", 24, 20, pixels);
    test::writeGif(dir / "a.gif", 24, 20, std::vector<std::uint8_t>(24 * 20, 1),
                   {kRed, kBlue}, -1);
    folder.write("a.bmp", bitmap(24, 20, 24));
    folder.write("p.bmp", bitmap(24, 20, 8, 5));
    folder.write("a.ico", icon({{16, iconBitmap(bitmap(16, 16, 8, 5), 16,
                                                          std::string(64, '\x55'))}}));
    for (const char* name : {"a.png", "a.jpg", "a.gif", "a.bmp", "p.bmp", "a.ico"}) {
        const PictureLoad measured = MeasurePicture(dir / name);
        const PictureLoad load = loaded(dir / name);
        EXPECT_EQ(measured.image.width, load.image.width) << name;
        EXPECT_EQ(measured.image.height, load.image.height) << name;
        EXPECT_GT(load.image.width, 0) << name;
        EXPECT_TRUE(measured.image.pixels.empty()) << name;
    }
}

TEST(FindSkinImage, PrefersPngThenJpegThenGifAndAsksEveryTime) {
    test::TempFolder folder;
    const auto& dir = folder.path();
    const auto grafika = dir / "grafika";
    EXPECT_EQ(FindSkinImage(dir, "menu"), grafika / "menu");
    folder.write("grafika/menu.gif", "g");
    EXPECT_EQ(FindSkinImage(dir, "menu"), grafika / "menu.gif");
    folder.write("grafika/menu.jpg", "j");
    EXPECT_EQ(FindSkinImage(dir, "menu"), grafika / "menu.jpg");
    folder.write("grafika/Menu.PNG", "p");
    EXPECT_EQ(FindSkinImage(dir, "menu"), grafika / "Menu.PNG");
    std::filesystem::remove(grafika / "Menu.PNG");
    EXPECT_EQ(FindSkinImage(dir, "menu"), grafika / "menu.jpg");

    // A name with its own extension gets none added; bitmaps are never looked up.
    folder.write("grafika/obr.jpg", "j");
    EXPECT_EQ(FindSkinImage(dir, "obr.jpg"), grafika / "obr.jpg");
    folder.write("grafika/ok.bmp", "b");
    EXPECT_EQ(FindSkinImage(dir, "ok"), grafika / "ok");
}

}  // namespace
}  // namespace morvane