#pragma once
// The main menu, the program's first window: the game's title and author and
// four picture buttons (new game, load position, about, quit) in a small
// borderless window in the middle of the screen. The keyboard walks the
// buttons from the new-game one; Enter chooses, Esc quits.
#include <QWidget>
#include <array>

#include "screens/KeyWalk.h"

class QLabel;

namespace morvane {

struct Game;
class Host;
class ClickLabel;
class TForm1;
class TForm9;
class TForm14;
class TForm10;

class TForm8 : public QWidget {
    Q_OBJECT
public:
    struct Screens {
        TForm1* main = nullptr;
        TForm9* about = nullptr;
        TForm14* name = nullptr;
        TForm10* load = nullptr;
    };
    TForm8(Game& game, Host& host, Screens screens);

    // Loads the pictures and the menu skin and reads the game definition;
    // false when the definition can't be read (reported), and the program
    // can't go on.
    bool FormCreate();

    void Label1Click();  // new game
    void Image4Click();  // load position
    void Image3Click();  // about
    void Label4Click();  // quit
    // The pointer over button k (0 to 3, top to bottom) or over the background.
    void ButtonMouseMove(int k);
    void Image1MouseMove();

    ClickLabel* Image1;  // background
    std::array<ClickLabel*, 4> Buttons{};  // Image2, Image4, Image3, Image5
    ClickLabel* Image6;  // title picture
    QLabel* Label1;      // game title
    QLabel* Label2;      // author line
    std::array<bool, 4> hover{};
    KeyWalk keys{*this};

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void loadPicture(ClickLabel& control, const char* name);
    void centre(QLabel& label, int top);
    void reshape();

    Game& game_;
    Host& host_;
    Screens screens_;
};

}  // namespace morvane
