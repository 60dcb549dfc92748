#pragma once
// The inventory screen of the main window's "Vybavení" button: the money,
// four columns of link lines (objects, items, weapons and armours), the hint
// of the line under the pointer and the results of this opening's uses and
// equips. It shows DescribeInventory and passes hovers and clicks on.
#include <functional>
#include <vector>

#include "character/Inventory.h"
#include "screens/GameScreen.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;
class TShape;
class TLELabel;

class TInventory : public GameScreen {
    Q_OBJECT
public:
    TInventory();
    // Opens the inventory and shows it modally, centred on `main`. The end of
    // the game inside it passes on to the caller once the window is closed.
    void ShowInventory(Game& game, const QWidget* main = nullptr);
    // Everything ShowInventory does before it waits.
    void Prepare(Game& game, const QWidget* main);
    // Shows the texts now; `lists` rebuilds the four columns too.
    void Refresh(bool lists);

    ClickLabel *Image1, *Image2;  // background, close button
    TShape *Shape1, *Shape2;
    QLabel *Label9, *Prachy, *Label1, *Label3, *Label5, *Status, *Status2;
    // The lines of the four columns, objects, items, weapons, armours in turn.
    const std::vector<TLELabel*>& lines() const { return lines_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Column { Objects, Items, Weapons, Armours };
    int addColumn(const std::vector<InventoryLine>& entries, Column column, int x, int y);
    void act(const std::function<void(Game&)>& operation, bool lists);

    std::vector<TLELabel*> lines_;
};

}  // namespace morvane
