#pragma once
// The save screen that the script's "SAVE" command offers: a heading, the
// name field and two picture buttons, save and don't save, over the sheet
// picture. It shows DescribeSaveScreen and passes the save button to
// SaveScreenClick, which decides whether the screen closes.
#include "screens/BorderlessDialog.h"

class QLabel;
class QLineEdit;

namespace morvane {

struct Game;
class ClickLabel;

class TSaveForm : public BorderlessDialog {
    Q_OBJECT
public:
    TSaveForm();
    // Fills the screen and shows it modally, centred on `main`.
    void ShowSave(Game& game, const QWidget* main = nullptr);
    // Everything ShowSave does before it waits.
    void Prepare(Game& game, const QWidget* main);

    void Image2Click();  // save
    void Image3Click();  // close without saving

    // The controls, by the names the game's designers gave them.
    ClickLabel *Image1, *Image2, *Image3;
    QLabel *Nadpis, *Popisek;
    QLineEdit* Edit1;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Game* game_ = nullptr;
};

}  // namespace morvane
