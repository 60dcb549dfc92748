#pragma once
// The death screen: the hero's hit points fell below 1. A small borderless
// window at the top left of the screen with the picture grafika/smrtcool.jpg;
// a click on it or any key ends the program.
#include "screens/BorderlessDialog.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;

class TForm12 : public BorderlessDialog {
    Q_OBJECT
public:
    TForm12();
    // Shows the screen modally, at the top left of `main` (the main window's stage;
    // without one, of the screen), until the player clicks or presses a key.
    void ShowDeath(Game& game, const QWidget* main = nullptr);
    // Loads the picture and places the window, without waiting.
    void Prepare(Game& game, const QWidget* main = nullptr);

    ClickLabel* Image1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace morvane
