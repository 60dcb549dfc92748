#include "screens/TForm13.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/QtText.h"
#include "shell/GameFilePath.h"
#include "shell/ModalLook.h"

namespace morvane {

TForm13::TForm13() {
    Image1 = new ClickLabel(this);
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &ClickLabel::clicked, this, &TForm13::finish);
    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(qtFont("Arial", 10, true));
    QPalette p = Label1->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(p);
}

bool TForm13::Prepare(Game& game, const std::string& file, std::int32_t width,
                      std::int32_t height, bool ownSize, const std::string& caption, bool black) {
    Label1->clear();
    ModalLook look = ApplyModalLook(game.menuskin, game.skin, ModalScreen::Picture);
    if (black) look = ModalLook{};
    clearMask();
    SetBackground(*this, qtColour(look.barva));
    Image1->move(0, 0);
    Image1->resize(width, height);
    if (!LoadPictureInto(*Image1, gameFilePath(game.gameFolder(), file), game.frontend,
                         ownSize ? PictureFit::OwnSize : PictureFit::Stretch))
        return false;
    const int w = Image1->width(), h = Image1->height();
    setFixedSize(w, h + 25);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - w / 2, area.height() / 2 - (h + 25) / 2);
    }
    Label1->setText(qtText(caption));
    Label1->adjustSize();
    Label1->move(w / 2 - Label1->width() / 2, h + 5);
    if (look.pruhledne) CutOutColour(*this, qtColour(look.barva));
    return true;
}

void TForm13::ShowPicture(Game& game, const std::string& file, std::int32_t width,
                          std::int32_t height, bool ownSize, const std::string& caption,
                          bool black) {
    if (Prepare(game, file, width, height, ownSize, caption, black)) exec();
}

void TForm13::keyPressEvent(QKeyEvent* event) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape})
        if (pressOn(*event, key, Image1)) return;
    BorderlessDialog::keyPressEvent(event);
}

}  // namespace morvane
