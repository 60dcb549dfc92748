#pragma once
// The audio settings ("Nastavení"): sounds and music on or off and their
// volumes. Changes take effect at once through the audio settings
// operations; OK stores them and closes the dialog, which has no cancel.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace morvane {

struct Game;

class TForm15 : public QDialog {
    Q_OBJECT
public:
    TForm15();
    // Shows the settings as they are now, modally, centred on `main`.
    void ShowSettings(Game& game, const QWidget* main = nullptr);
    // Everything ShowSettings does before it waits.
    void Prepare(Game& game, const QWidget* main);

    QLabel *Label1, *Label2;
    QCheckBox *CheckBox1, *CheckBox2;
    QSlider *TrackBar1, *TrackBar2;
    QPushButton* Button1;

private:
    Game* game_ = nullptr;
};

}  // namespace morvane
