#include "screens/QtText.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/Win1250.h"

namespace morvane {

QString qtText(std::string_view win1250) {
    const std::string utf8 = toUtf8(win1250);
    QString text;
    text.reserve(static_cast<qsizetype>(utf8.size()));
    const QString all = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QChar c = all[i];
        if (c == u'\r') {
            if (i + 1 < all.size() && all[i + 1] == u'\n') ++i;
            text += u'\n';
        } else {
            text += c;
        }
    }
    return text;
}

std::string coreText(const QString& text) { return fromUtf8(text.toUtf8().toStdString()); }

namespace {

// The classic desktop scheme's system colours, by index, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 31> kSystemColours = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

}  // namespace

QColor qtColour(std::int32_t colour) {
    const auto value = static_cast<std::uint32_t>(colour);
    if ((value >> 24) == 0xFF) {
        const std::uint32_t index = value & 0xFFFFFF;
        const std::uint32_t rgb = index < kSystemColours.size() ? kSystemColours[index] : 0;
        return QColor(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
    }
    // "Default" and "None" have no colour of their own: they draw black.
    if ((value >> 24) != 0) return QColor(Qt::black);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString fontFamily(std::string_view face) {
    const std::string lower = lowerCase(face);
    if (lower == "arial" || lower == "ms sans serif" || lower == "tahoma" || lower == "verdana")
        return QStringLiteral("Liberation Sans");
    if (lower == "times new roman" || lower == "times") return QStringLiteral("Liberation Serif");
    if (lower == "courier new" || lower == "courier") return QStringLiteral("Liberation Mono");
    return qtText(face);
}

// A skin may ask for any size; past this a font fills many screens, and the
// arithmetic below would overflow for the largest sizes a file can hold.
constexpr std::int64_t kMaxFontPixels = 4096;

int pointsToPixels(int points) {
    const std::int64_t pixels = (std::int64_t{points} * 96 + 36) / 72;
    return static_cast<int>(std::clamp(pixels, -kMaxFontPixels, kMaxFontPixels));
}

QFont qtFont(std::string_view face, int points, bool bold, bool italic) {
    QFont font(fontFamily(face));
    font.setPixelSize(std::max(1, pointsToPixels(points)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont qtFont(const SkinFont& skinFont, bool bold, bool italic) {
    QFont font = qtFont(skinFont.face, skinFont.size, skinFont.bold || bold,
                        skinFont.italic || italic);
    font.setUnderline(skinFont.underline);
    return font;
}

QImage qtImage(const RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0) return QImage();
    const QImage view(image.pixels.data(), image.width, image.height, image.width * 4,
                      QImage::Format_RGBA8888);
    return view.copy();
}

}  // namespace morvane
