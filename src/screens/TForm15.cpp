#include "screens/TForm15.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "game/Game.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"
#include "shell/Audio.h"
#include "shell/AudioSettings.h"

namespace morvane {
namespace {

QSlider* volume(QWidget* parent, int y, int step) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 255);
    slider->setSingleStep(step);
    slider->setPageStep(step);
    slider->setGeometry(128, y, 128, 24);
    return slider;
}

}  // namespace

TForm15::TForm15() {
    const AudioDialogTexts texts = DescribeAudioDialog();
    setWindowTitle(qtText(texts.nastaveni));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    setFixedSize(264, 124);
    Label1 = new QLabel(qtText(texts.zvuky), this);
    Label1->move(8, 14);
    CheckBox1 = new QCheckBox(qtText(texts.zapnuto), this);
    CheckBox1->move(52, 12);
    TrackBar1 = volume(this, 10, 10);
    Label2 = new QLabel(qtText(texts.hudba), this);
    Label2->move(8, 54);
    CheckBox2 = new QCheckBox(qtText(texts.zapnuto), this);
    CheckBox2->move(52, 52);
    TrackBar2 = volume(this, 50, 1);
    Button1 = new QPushButton(qtText(texts.ok), this);
    Button1->setGeometry(94, 88, 75, 25);
    Button1->setDefault(true);
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool on) { AudioSettings_CheckBox1Click(*game_, on); });
    connect(CheckBox2, &QCheckBox::toggled, this,
            [this](bool on) { AudioSettings_CheckBox2Click(*game_, on); });
    connect(TrackBar1, &QSlider::valueChanged, this,
            [this](int v) { AudioSettings_TrackBar1Change(*game_, v); });
    connect(TrackBar2, &QSlider::valueChanged, this,
            [this](int v) { AudioSettings_TrackBar2Change(*game_, v); });
    connect(Button1, &QPushButton::clicked, this, [this] {
        AudioSettings_Button1Click(*game_);
        accept();
    });
}

// The controls take the player's settings without passing them back: giving
// the music switch its own state must not start the music again.
void TForm15::Prepare(Game& game, const QWidget* main) {
    game_ = &game;
    CentreOver(*this, main);
    if (!game.audio) return;
    const QSignalBlocker b1(CheckBox1), b2(CheckBox2), b3(TrackBar1), b4(TrackBar2);
    CheckBox1->setChecked(game.audio->zvukyzapnuty);
    CheckBox2->setChecked(game.audio->hudbazapnuta);
    TrackBar1->setValue(game.audio->hlasitostzvuku);
    TrackBar2->setValue(game.audio->hlasitosthudby);
}

void TForm15::ShowSettings(Game& game, const QWidget* main) {
    Prepare(game, main);
    exec();
}

}  // namespace morvane
