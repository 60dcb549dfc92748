#pragma once
// The character sheet: the hero's name, experience, attributes and gear over
// the sheet picture, with a plus button beside each attribute that the
// experience points can buy. It shows PrepareSheet and passes the purchases
// to Train; a click on the close button or anywhere free, or any key, closes it.
#include <array>

#include "character/HeroRecord.h"
#include "screens/BorderlessDialog.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;

class TForm2 : public BorderlessDialog {
    Q_OBJECT
public:
    TForm2();
    // Fills the sheet and shows it modally, centred on `main`.
    void ShowSheet(Game& game, const QWidget* main = nullptr);
    // Everything ShowSheet does before it waits.
    void Prepare(Game& game, const QWidget* main);
    // Shows the hero as he stands now.
    void Refresh();

    // The controls, by the names the game's designers gave them.
    ClickLabel* Image1;  // background
    ClickLabel* Image8;  // close button
    // Image2 (hit points), Image5 (mana), Image3 (strength), Image6 (agility),
    // Image4 (speed), Image7 (energy), indexed by PriceSlot.
    std::array<ClickLabel*, 6> Plus{};
    QLabel *Jmeno, *Zkusenosti, *XPinfo;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showHint(const QString& text);

    Game* game_ = nullptr;
};

}  // namespace morvane
