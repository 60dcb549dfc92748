#include "screens/TObchod.h"

#include <QKeyEvent>

#include "character/ShopScreen.h"
#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"
#include "shell/labely/TLELabel.h"

namespace morvane {
namespace {

constexpr int kWidth = 409, kHeight = 490;
// Texts over the picture are black; those on the strip below it white.
constexpr const char* kFace = "Times New Roman";

}  // namespace

TObchod::TObchod() {
    setFixedSize(kWidth, kHeight);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, kWidth, 457);
    connect(Image1, &ClickLabel::mouseMoved, this, [this] { act(HoverShopBackground); });
    Shape1 = new TShape(this);
    Shape1->setGeometry(0, 458, kWidth, kHeight - 458);
    Label1 = MakeCaption(this, QString(), 0, 12, pixelFont(kFace, 24, true));
    Label2 = MakeCaption(this, QString(), 0, 42, pixelFont(kFace, 14));
    Label3 = MakeCaption(this, QString(), 24, 344, pixelFont(kFace, 14));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5 = MakeCaption(this, QString(), 16, 463, pixelFont(kFace, 16, true), Qt::white);
    Image2 = new ClickLabel(this);
    Image2->setGeometry(368, 16, 25, 26);
    Image2->setCursor(Qt::PointingHandCursor);
    connect(Image2, &ClickLabel::mouseMoved, this, [this] { act(HoverShopClose); });
    connect(Image2, &ClickLabel::clicked, this, &TObchod::finish);
    keys.controls = [this] {
        std::vector<QWidget*> all(goods_.begin(), goods_.end());
        all.push_back(Image2);
        return all;
    };
}

void TObchod::Prepare(Game& game, const QWidget* main) {
    game_ = &game;
    const ModalLook look = ApplyModalLook(game.menuskin, game.skin, ModalScreen::Shop);
    ApplyLook(*this, look);
    FramePanels({Shape1}, look);
    CentreOver(*this, main);
    LoadSkinPicture(*Image1, game, "pozadi_inventar");
    LoadSkinPicture(*Image2, game, "krizek");
    for (TLELabel* label : goods_) label->deleteLater();
    goods_.clear();
    const ShopView view = DescribeShop(game);
    for (std::size_t k = 1; k <= view.goods.size(); ++k) {
        auto* label = MakeListLine(this, pixelFont(kFace, 15));
        SetCaption(*label, qtText(view.goods[k - 1].text), Qt::black);
        label->move(50, 50 + 15 * static_cast<int>(k));
        label->setCursor(Qt::PointingHandCursor);
        const auto n = static_cast<std::int32_t>(k);
        label->idx = n;
        label->OnMouseEnter = [this, n] {
            HoverGood(*game_, n);
            Refresh();
        };
        connect(label, &TLELabel::clicked, this, [this, n] {
            Buy(*game_, n);
            Refresh();
        });
        label->show();
        goods_.push_back(label);
    }
    Refresh();
    CutOut(*this, look);
}

void TObchod::ShowShop(Game& game, const QWidget* main) {
    Prepare(game, main);
    exec();
    for (TLELabel* label : goods_) label->deleteLater();
    goods_.clear();
}

void TObchod::Refresh() {
    const ShopView view = DescribeShop(*game_);
    SetTitleAndMoney(*Label1, qtText(view.Label1), *Label2, qtText(view.Label2), kWidth);
    SetCaption(*Label3, qtText(view.Label3));
    SetCaption(*Label5, qtText(view.Label5));
}

void TObchod::act(void (*operation)(Game&)) {
    if (!game_) return;
    operation(*game_);
    Refresh();
}

// Digits buy the good of that line, Esc closes; other keys do nothing.
void TObchod::keyPressEvent(QKeyEvent* event) {
    if (const int k = ChoiceNumber(*event); k > 0) {
        if (static_cast<std::size_t>(k) <= goods_.size()) KeyWalk::Press(goods_[k - 1]);
        return;
    }
    if (!pressOn(*event, Qt::Key_Escape, Image2)) keys.handle(*event);
}

}  // namespace morvane
