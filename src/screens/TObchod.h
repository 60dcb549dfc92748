#pragma once
// The shop window that the script's "OBCHOD" opens: the shop's goods as link
// lines over the inventory picture, the money above them, the hint of the
// good under the pointer and the result of the last purchase. It shows
// DescribeShop and passes hovers and clicks to the shop's operations.
#include <vector>

#include "screens/BorderlessDialog.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;
class TShape;
class TLELabel;

class TObchod : public BorderlessDialog {
    Q_OBJECT
public:
    TObchod();
    // Fills the window and shows it modally, centred on `main`, until the
    // player closes it.
    void ShowShop(Game& game, const QWidget* main = nullptr);
    // Everything ShowShop does before it waits.
    void Prepare(Game& game, const QWidget* main);
    // Shows the shop's state now.
    void Refresh();

    ClickLabel *Image1, *Image2;  // background, close button
    TShape* Shape1;
    QLabel *Label1, *Label2, *Label3, *Label5;
    const std::vector<TLELabel*>& goods() const { return goods_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void act(void (*operation)(Game&));

    Game* game_ = nullptr;
    std::vector<TLELabel*> goods_;
};

}  // namespace morvane
