#pragma once
// The sell window that the script's "PRODEJ" opens: what the hero carries in
// the pack, as link lines over the inventory picture, the money above them
// and the hint of the line under the pointer. It shows DescribeSell and
// passes hovers and clicks to the sell operations.
#include <vector>

#include "screens/BorderlessDialog.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;
class TLELabel;
class TShape;

class TProdej : public BorderlessDialog {
    Q_OBJECT
public:
    TProdej();
    // Fills the window and shows it modally, centred on `main`, until the
    // player closes it.
    void ShowSell(Game& game, const QWidget* main = nullptr);
    // Everything ShowSell does before it waits.
    void Prepare(Game& game, const QWidget* main);
    // Shows the sale's state now.
    void Refresh();

    ClickLabel *Image1, *Image2;  // background, close button
    TShape* Shape1;               // the black strip below the picture that holds Status
    QLabel *Label1, *Label2, *Status;
    const std::vector<TLELabel*>& lines() const { return lines_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Game* game_ = nullptr;
    std::vector<TLELabel*> lines_;
};

}  // namespace morvane
