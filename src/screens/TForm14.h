#pragma once
// The name entry: the whole screen in the menu skin's background colour,
// with a picture, a caption and a field for the hero's name. Enter or the OK
// picture takes the name and opens the main window.
#include "screens/BorderlessDialog.h"

class QLabel;
class QLineEdit;

namespace morvane {

struct Game;
class ClickLabel;
class TForm1;

class TForm14 : public BorderlessDialog {
    Q_OBJECT
public:
    TForm14(Game& game, TForm1& main);

    // Shows the screen modally; it closes when the main window it opened does.
    void ShowModal();
    // Covers the screen, loads its pictures and lays itself out around its centre.
    void Prepare();
    // Enter or the OK picture: the name into the hero, then the main window.
    void Accept();

    ClickLabel* Image1;  // background picture
    QLabel* Label1;      // "Zadej jméno své postavy:"
    QLabel* Label2;      // "Jméno:"
    QLineEdit* Edit1;
    ClickLabel* Image2;  // OK

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layOut();

    Game& game_;
    TForm1& main_;
};

}  // namespace morvane
