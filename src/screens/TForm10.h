#pragma once
// The load dialog: the saved positions of the game folder, newest first, as
// link labels over the menu picture, at the place of the main menu. A click
// on an entry chooses it; a click elsewhere or any key closes the dialog
// without a choice.
#include <vector>

#include "screens/BorderlessDialog.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;
class TLELabel;

class TForm10 : public BorderlessDialog {
    Q_OBJECT
public:
    TForm10();
    // Lists the positions and shows the dialog modally over `menu`. True when
    // an entry was chosen: the next start of a game then loads it.
    bool ShowLoad(Game& game, const QWidget* menu = nullptr);
    // Everything ShowLoad does before it waits.
    void Prepare(Game& game, const QWidget* menu);
    // Chooses entry k (from 1) as a click on its label does.
    void Label2Click(int k);

    ClickLabel* Image1;  // background
    QLabel* Label1;      // heading
    QLabel* Empty;       // says that there is nothing to load
    const std::vector<TLELabel*>& entries() const { return entries_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Game* game_ = nullptr;
    std::vector<TLELabel*> entries_;
    bool chosen_ = false;
};

}  // namespace morvane
