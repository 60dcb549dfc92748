#pragma once
// The about box: the menu's picture and title, a few lines about the engine,
// its link and its version. A click anywhere but the link, or any key,
// closes it.
#include <QPoint>
#include <QUrl>
#include <array>

#include "screens/BorderlessDialog.h"

class QLabel;

namespace morvane {

struct Game;
class Host;
class ClickLabel;

class TForm9 : public BorderlessDialog {
    Q_OBJECT
public:
    TForm9(Game& game, Host& host);
    // Shows the box modally at `at` (the main menu's place).
    void ShowAbout(QPoint at);
    // Everything ShowAbout does before it waits.
    void Prepare(QPoint at);

    // The address the link opens. The engine has no web page of its own to
    // send players to, so the link names the engine and opens nothing.
    static QUrl address();

    ClickLabel* Image1;  // background
    ClickLabel* Image2;  // title picture
    std::array<QLabel*, 5> Captions{};
    ClickLabel* Odkaz;
    QLabel* Verze;
    QLabel* Klavesy;  // the keys of the main window

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Game& game_;
    Host& host_;
};

}  // namespace morvane
