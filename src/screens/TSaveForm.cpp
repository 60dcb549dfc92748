#include "screens/TSaveForm.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "game/Game.h"
#include "save/SaveScreen.h"
#include "screens/Controls.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"

namespace morvane {
namespace {

constexpr int kWidth = 421, kHeight = 245;
constexpr const char* kFace = "Times New Roman";

}  // namespace

TSaveForm::TSaveForm() {
    setFixedSize(kWidth, kHeight);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, kWidth, kHeight);
    Nadpis = MakeCaption(this, QString(), 0, 40, pixelFont(kFace, 24));
    Popisek = MakeCaption(this, QString(), 64, 104, pixelFont(kFace, 16, true));
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(136, 100, 220, 24);
    Edit1->setFont(pixelFont(kFace, 16));
    Image2 = new ClickLabel(this);
    Image2->move(88, 160);
    Image3 = new ClickLabel(this);
    Image3->move(232, 160);
    for (ClickLabel* button : {Image2, Image3}) button->setCursor(Qt::PointingHandCursor);
    connect(Image2, &ClickLabel::clicked, this, &TSaveForm::Image2Click);
    connect(Image3, &ClickLabel::clicked, this, &TSaveForm::Image3Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &TSaveForm::Image2Click);
}

void TSaveForm::Prepare(Game& game, const QWidget* main) {
    game_ = &game;
    const SaveScreenView view = DescribeSaveScreen(game);
    const ModalLook look = ApplyModalLook(game.menuskin, game.skin, ModalScreen::Save);
    ApplyLook(*this, look);
    CentreOver(*this, main);
    LoadPictureInto(*Image1, view.image1, game.frontend, PictureFit::Clip);
    LoadPictureInto(*Image2, view.image2, game.frontend);
    LoadPictureInto(*Image3, view.image3, game.frontend);
    SetCaption(*Nadpis, qtText(view.nadpis));
    Nadpis->move(kWidth / 2 - Nadpis->width() / 2, Nadpis->y());
    SetCaption(*Popisek, qtText(view.popisek));
    Edit1->setText(qtText(view.edit1));
    Edit1->selectAll();
    Edit1->setFocus();
    CutOut(*this, look);
}

void TSaveForm::ShowSave(Game& game, const QWidget* main) {
    Prepare(game, main);
    exec();
}

void TSaveForm::Image2Click() {
    if (game_ && SaveScreenClick(*game_, coreText(Edit1->text())) == SaveScreenAction::Close)
        finish();
}

void TSaveForm::Image3Click() { finish(); }

// Keys belong to the name field, Enter saves, Esc cancels; Alt+F4 does nothing.
void TSaveForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) return;
    if (!pressOn(*event, Qt::Key_Escape, Image3)) BorderlessDialog::keyPressEvent(event);
}

}  // namespace morvane
