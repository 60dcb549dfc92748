#include "screens/TForm12.h"

#include <QKeyEvent>

#include "game/Game.h"
#include "screens/Controls.h"
#include "shell/GameFilePath.h"

namespace morvane {

TForm12::TForm12() {
    setFixedSize(210, 180);
    SetBackground(*this, Qt::black);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, 210, 180);
    connect(Image1, &ClickLabel::clicked, this, &TForm12::finish);
}

void TForm12::Prepare(Game& game, const QWidget* main) {
    move(main && main->isVisible() ? main->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0));
    LoadPictureInto(*Image1, gameFilePath(game.gameFolder(), "grafika\\smrtcool.jpg"),
                    game.frontend, PictureFit::Clip);
}

void TForm12::ShowDeath(Game& game, const QWidget* main) {
    Prepare(game, main);
    exec();
}

void TForm12::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // A modifier alone is not yet a key, and Alt+F4 is ignored.
    switch (event->key()) {
        case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return;
        case Qt::Key_F4:
            if (event->modifiers() & Qt::AltModifier) return;
            break;
        default:
            break;
    }
    finish();
}

}  // namespace morvane
