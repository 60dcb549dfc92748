#pragma once
// The picture window of the "OBRAZEK" command: a story picture with its
// caption under it, in the middle of the screen; a click on the picture
// closes it.
#include <cstdint>
#include <string>

#include "screens/BorderlessDialog.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;

class TForm13 : public BorderlessDialog {
    Q_OBJECT
public:
    TForm13();
    // Fills, sizes and places the window, then shows it modally until the
    // player clicks the picture (or presses Enter, Space or Esc). `file` is
    // relative to the game folder. A `black` window ignores the skin's look:
    // an object's picture viewed from the inventory stands on black.
    void ShowPicture(Game& game, const std::string& file, std::int32_t width,
                     std::int32_t height, bool ownSize, const std::string& caption,
                     bool black = false);
    // Everything ShowPicture does before it waits; false when the picture
    // could not be loaded (reported), and then the window isn't shown, since
    // only a click on the picture could close it.
    bool Prepare(Game& game, const std::string& file, std::int32_t width, std::int32_t height,
                 bool ownSize, const std::string& caption, bool black = false);

    ClickLabel* Image1;
    QLabel* Label1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace morvane
