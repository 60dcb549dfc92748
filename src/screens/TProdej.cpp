#include "screens/TProdej.h"

#include <QKeyEvent>

#include "character/SellScreen.h"
#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"
#include "shell/labely/TLELabel.h"

namespace morvane {
namespace {

// The strip below the picture holds the two lines of the hint (the price,
// then the description); on a see-through window only what is drawn shows,
// so the white hint needs the black strip under it.
constexpr int kWidth = 409, kHeight = 530;
// Texts over the picture are black; those on the strip below it white.
constexpr const char* kFace = "Times New Roman";

}  // namespace

TProdej::TProdej() {
    setFixedSize(kWidth, kHeight);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, kWidth, 457);
    connect(Image1, &ClickLabel::mouseMoved, this, [this] {
        if (!game_) return;
        HoverSellBackground(*game_);
        Refresh();
    });
    Shape1 = new TShape(this);
    Shape1->setGeometry(0, 458, kWidth, kHeight - 458);
    // The caption and the money stand above the first line at y = 50.
    Label1 = MakeCaption(this, QString(), 0, 2, pixelFont(kFace, 24, true));
    Label2 = MakeCaption(this, QString(), 0, 30, pixelFont(kFace, 14));
    Status = MakeCaption(this, QString(), 16, 464, pixelFont(kFace, 16, true), Qt::white);
    Image2 = new ClickLabel(this);
    Image2->setGeometry(368, 16, 25, 26);
    Image2->setCursor(Qt::PointingHandCursor);
    connect(Image2, &ClickLabel::clicked, this, &TProdej::finish);
    keys.controls = [this] {
        std::vector<QWidget*> all(lines_.begin(), lines_.end());
        all.push_back(Image2);
        return all;
    };
}

void TProdej::Prepare(Game& game, const QWidget* main) {
    game_ = &game;
    const ModalLook look = ApplyModalLook(game.menuskin, game.skin, ModalScreen::Sell);
    ApplyLook(*this, look);
    FramePanels({Shape1}, look);
    CentreOver(*this, main);
    LoadSkinPicture(*Image1, game, "pozadi_inventar");
    LoadSkinPicture(*Image2, game, "krizek");
    for (TLELabel* label : lines_) label->deleteLater();
    lines_.clear();
    const SellView view = DescribeSell(game);
    int k = 0;
    for (const SellLine& line : view.lines) {
        auto* label = MakeListLine(this, pixelFont(kFace, 15));
        label->move(50, 50 + 15 * k++);
        label->setCursor(Qt::PointingHandCursor);
        label->idx = line.cislo;
        const SellKind kind = line.kind;
        const std::int32_t n = line.cislo;
        label->OnMouseEnter = [this, kind, n] {
            HoverSellLine(*game_, kind, n);
            Refresh();
        };
        connect(label, &TLELabel::clicked, this, [this, kind, n] {
            Sell(*game_, kind, n);
            Refresh();
        });
        lines_.push_back(label);
    }
    Refresh();
    CutOut(*this, look);
}

void TProdej::ShowSell(Game& game, const QWidget* main) {
    Prepare(game, main);
    exec();
    for (TLELabel* label : lines_) label->deleteLater();
    lines_.clear();
}

// Lines keep their places; a sold-out line only hides.
void TProdej::Refresh() {
    const SellView view = DescribeSell(*game_);
    SetTitleAndMoney(*Label1, qtText(view.Label1), *Label2, qtText(view.Label2), kWidth);
    SetCaption(*Status, qtText(view.Status));
    for (std::size_t k = 0; k < lines_.size() && k < view.lines.size(); ++k) {
        SetCaption(*lines_[k], qtText(view.lines[k].text), Qt::black);
        lines_[k]->setVisible(view.lines[k].visible);
    }
}

// Digits sell from the k-th line shown, Esc closes; other keys do nothing.
void TProdej::keyPressEvent(QKeyEvent* event) {
    if (const int k = ChoiceNumber(*event); k > 0) {
        std::vector<TLELabel*> shown;
        for (TLELabel* line : lines_)
            if (line->isVisible()) shown.push_back(line);
        if (static_cast<std::size_t>(k) <= shown.size()) KeyWalk::Press(shown[k - 1]);
        return;
    }
    if (!pressOn(*event, Qt::Key_Escape, Image2)) keys.handle(*event);
}

}  // namespace morvane
