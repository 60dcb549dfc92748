#pragma once
// The edge between the core's data and Qt: Windows-1250 texts, 0x00BBGGRR
// colours, skin fonts and decoded pictures become their Qt forms here, and
// nowhere else.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/Picture.h"
#include "shell/Skin.h"

namespace morvane {

// A core text as a label shows it: CR LF, a lone CR and a lone LF each break
// the line.
QString qtText(std::string_view win1250);

// What the player typed, as a core text (characters the code page lacks
// become "?").
std::string coreText(const QString& text);

// A colour of scripts and skins: 0x00BBGGRR, or a system colour (0xFF000000
// plus its index) in the classic desktop scheme.
QColor qtColour(std::int32_t colour);

// The installed face for a face that skins name: the skins are written for
// Arial, Times New Roman and Courier, whose metric-compatible Liberation
// faces keep sizes and wraps as the game's author saw them.
QString fontFamily(std::string_view face);

// Skins give font sizes in points on a 96-dpi screen; fonts are set in
// pixels so that the layout doesn't depend on the display's own resolution.
// Sizes beyond any screen are held at 4096 pixels (either sign).
int pointsToPixels(int points);

// A font of a face and size in points, with optional styles.
QFont qtFont(std::string_view face, int points, bool bold = false, bool italic = false);

// A skin font with its styles; `bold` and `italic` add to the skin's.
QFont qtFont(const SkinFont& font, bool bold = false, bool italic = false);

// A decoded picture as a Qt image (a deep copy).
QImage qtImage(const RgbaImage& image);

}  // namespace morvane
