#include "screens/TForm10.h"

#include <QKeyEvent>

#include "game/Flow.h"
#include "game/Game.h"
#include "save/SavedPositionList.h"
#include "screens/Controls.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"
#include "shell/labely/TLELabel.h"

namespace morvane {
namespace {

constexpr int kSideMargin = 24;  // entries stay this far inside the menu picture's sides

}  // namespace

TForm10::TForm10() {
    setFixedSize(234, 400);
    Image1 = new ClickLabel(this);
    connect(Image1, &ClickLabel::clicked, this, &TForm10::finish);
    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Empty = new QLabel(this);
    Empty->setTextFormat(Qt::PlainText);
    Empty->setAlignment(Qt::AlignHCenter);
    Empty->setAttribute(Qt::WA_TranslucentBackground);
    Empty->setAttribute(Qt::WA_TransparentForMouseEvents);
    keys.controls = [this] { return std::vector<QWidget*>(entries_.begin(), entries_.end()); };
}

void TForm10::Prepare(Game& game, const QWidget* menu) {
    game_ = &game;
    chosen_ = false;
    // The dialog takes the place and the size of the main menu.
    if (menu) setGeometry(menu->geometry());
    setFixedSize(menu ? menu->size() : size());
    Image1->setGeometry(rect());
    SetBackground(*this, qtColour(game.menuskin.hlavnipozadi));
    LoadSkinPicture(*Image1, game, "menu");
    Label1->setFont(qtFont(game.menuskin.font_savenadpis));
    SetCaption(*Label1, qtText(LoadDialogHeading()), qtColour(game.menuskin.font_savenadpis.colour));
    Label1->move(width() / 2 - Label1->width() / 2, 12);
    for (TLELabel* label : entries_) label->deleteLater();
    entries_.clear();
    const std::vector<std::string> captions = ListSavedPositions(game);
    for (std::size_t k = 1; k <= captions.size(); ++k) {
        auto* label = MakeListLine(this, qtFont(game.menuskin.font_save));
        SetCaption(*label, qtText(captions[k - 1]), qtColour(game.menuskin.font_save.colour));
        FitWidth(*label, width() - 2 * kSideMargin);
        label->move(width() / 2 - label->width() / 2, 20 + 15 * static_cast<int>(k));
        label->setCursor(Qt::PointingHandCursor);
        label->idx = static_cast<std::int32_t>(k);
        connect(label, &TLELabel::clicked, this, [this, k] { Label2Click(static_cast<int>(k)); });
        label->show();
        entries_.push_back(label);
    }
    Empty->setFont(qtFont(game.menuskin.font_save));
    SetCaption(*Empty, qtText(LoadDialogEmpty()), qtColour(game.menuskin.font_save.colour));
    Empty->move(width() / 2 - Empty->width() / 2, 40);
    Empty->setVisible(captions.empty());
    // It shows the menu's picture, so it takes the menu's shape too.
    clearMask();
    CutOutColour(*this, QColor(255, 0, 255));
}

bool TForm10::ShowLoad(Game& game, const QWidget* menu) {
    Prepare(game, menu);
    exec();
    return chosen_;
}

// A position that can't be read is reported and the dialog stays open for
// another choice.
void TForm10::Label2Click(int k) {
    chosen_ = game_ && ChoosePosition(*game_, k) == PositionChoice::Chosen;
    if (chosen_) finish();
}

// The arrows and Enter choose an entry; any other key closes the dialog.
void TForm10::keyPressEvent(QKeyEvent* event) {
    if (!keys.handle(*event) && IsTypedKey(*event)) finish();
}

}  // namespace morvane
