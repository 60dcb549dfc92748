#include "screens/TForm14.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "game/Flow.h"
#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/QtText.h"
#include "screens/TForm1.h"
#include "shell/SkinImage.h"

namespace morvane {
namespace {

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(qtFont("Arial", 12, true));
    label->adjustSize();
    return label;
}

}  // namespace

TForm14::TForm14(Game& game, TForm1& main) : game_(game), main_(main) {
    Image1 = new ClickLabel(this);
    const NameEntryTexts texts = DescribeNameEntry();
    Label1 = Caption(qtText(texts.vyzva), this);
    Label2 = Caption(qtText(texts.jmeno), this);
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(static_cast<int>(kHeroNameLength));
    Edit1->setFont(qtFont("Arial", 10));
    Edit1->resize(160, Edit1->sizeHint().height());
    Image2 = new ClickLabel(this);
    Image2->setCursor(Qt::PointingHandCursor);
    connect(Image2, &ClickLabel::clicked, this, &TForm14::Accept);
}

void TForm14::Prepare() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    SetBackground(*this, qtColour(game_.menuskin.hlavnipozadi));
    LoadPictureInto(*Image1, FindSkinImage(game_.gameFolder(), "pozadi_postava"), game_.frontend);
    LoadPictureInto(*Image2, FindSkinImage(game_.gameFolder(), "ok"), game_.frontend);
    // The game's own hero name is offered, so a player who only clicks still
    // plays a named hero; typing replaces it.
    Edit1->setText(qtText(OfferedHeroName(game_)));
    Edit1->selectAll();
    layOut();
    Edit1->setFocus();
}

// Everything is placed around the window's centre.
void TForm14::layOut() {
    const int cx = width() / 2, cy = height() / 2;
    const auto centreAt = [cx, cy](QWidget& w, int below) {
        w.move(cx - w.width() / 2, cy - w.height() / 2 + below);
    };
    centreAt(*Image1, 0);
    centreAt(*Label1, -70);
    centreAt(*Image2, 50);
    centreAt(*Edit1, -20);
    Label2->move(Edit1->x() - 70, Edit1->y() + 3);
    Image1->lower();
}

void TForm14::ShowModal() {
    Prepare();
    exec();
}

void TForm14::Accept() {
    AcceptHeroName(game_, coreText(Edit1->text()));
    main_.ShowModal();
    finish();
}

// Enter takes the name, in the field too (the field passes it on); Esc goes
// back to the main menu; other keys do nothing here.
void TForm14::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) Accept();
    else if (event->key() == Qt::Key_Escape) finish();
}

}  // namespace morvane
