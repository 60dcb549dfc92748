#include "screens/TInventory.h"

#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"
#include "shell/labely/TLELabel.h"

namespace morvane {
namespace {

constexpr const char* kFace = "Times New Roman";
constexpr int kLineStep = 17, kFirstLine = 55;

}  // namespace

TInventory::TInventory() {
    setFixedSize(670, 603);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, 409, 457);
    connect(Image1, &ClickLabel::mouseMoved, this,
            [this] { act(HoverInventoryBackground, false); });
    Shape1 = new TShape(this);
    Shape1->setGeometry(0, 460, 660, 109);
    Shape2 = new TShape(this);
    Shape2->setGeometry(411, 0, 249, 457);
    const QFont caption = pixelFont(kFace, 14, true);
    Label9 = MakeCaption(this, QString(), 32, 16, caption);
    Prachy = MakeCaption(this, QString(), 144, 16, caption);
    Label1 = MakeCaption(this, QString(), 32, 35, caption);
    Label3 = MakeCaption(this, QString(), 144, 35, caption);
    Label5 = MakeCaption(this, QString(), 256, 35, caption);
    Status2 = MakeCaption(this, QString(), 424, 16, pixelFont(kFace, 14, true), Qt::white);
    Status = MakeCaption(this, QString(), 18, 466, pixelFont(kFace, 14, true), Qt::white);
    Image2 = new ClickLabel(this);
    Image2->setGeometry(362, 416, 25, 26);
    Image2->setCursor(Qt::PointingHandCursor);
    connect(Image2, &ClickLabel::mouseMoved, this, [this] { act(HoverInventoryClose, false); });
    connect(Image2, &ClickLabel::clicked, this, &TInventory::finish);
    keys.controls = [this] {
        std::vector<QWidget*> all(lines_.begin(), lines_.end());
        all.push_back(Image2);
        return all;
    };
}

void TInventory::Prepare(Game& game, const QWidget* main) {
    beginShowing(game);
    OpenInventory(game);
    const ModalLook look = ApplyModalLook(game.menuskin, game.skin, ModalScreen::Inventory);
    ApplyLook(*this, look);
    FramePanels({Shape1, Shape2}, look);
    CentreOver(*this, main);
    LoadSkinPicture(*Image1, game, "pozadi_inventar");
    LoadSkinPicture(*Image2, game, "krizek");
    Refresh(true);
    CutOut(*this, look);
}

void TInventory::ShowInventory(Game& game, const QWidget* main) {
    Prepare(game, main);
    exec();
    endShowing();
}

// Lines of a column stand 17 pixels apart; answers the y below the last one.
int TInventory::addColumn(const std::vector<InventoryLine>& entries, Column column, int x, int y) {
    for (const InventoryLine& entry : entries) {
        auto* label = MakeListLine(this, pixelFont(kFace, 15));
        SetCaption(*label, qtText(entry.text), entry.maroon ? QColor(128, 0, 0) : QColor(Qt::black));
        label->move(x, y);
        label->idx = entry.cislo;
        if (entry.clickable) label->setCursor(Qt::PointingHandCursor);
        const std::int32_t n = entry.cislo;
        label->OnMouseEnter = [this, n, column] {
            act([n, column](Game& g) {
                switch (column) {
                    case Column::Objects: return HoverInventoryObject(g, n);
                    case Column::Items: return HoverInventoryItem(g, n);
                    case Column::Weapons: return HoverInventoryWeapon(g, n);
                    case Column::Armours: return HoverInventoryArmour(g, n);
                }
            }, false);
        };
        connect(label, &TLELabel::clicked, this, [this, n, column] {
            act([n, column](Game& g) {
                switch (column) {
                    case Column::Objects: ViewObject(g, n); break;
                    case Column::Items: UseItem(g, n); break;
                    case Column::Weapons: EquipFromInventory(g, GearSlot::Weapon, n); break;
                    case Column::Armours: EquipFromInventory(g, GearSlot::Armour, n); break;
                }
            }, true);
        });
        label->show();
        lines_.push_back(label);
        y += kLineStep;
    }
    return y;
}

void TInventory::Refresh(bool lists) {
    const InventoryView view = DescribeInventory(*game_);
    const std::pair<QLabel*, const std::string*> texts[] = {
        {Label9, &view.Label9}, {Prachy, &view.Prachy}, {Label1, &view.Label1},
        {Label3, &view.Label3}, {Label5, &view.Label5}, {Status, &view.Status},
        {Status2, &view.Status2}};
    for (const auto& [label, text] : texts) SetCaption(*label, qtText(*text));
    if (!lists) return;
    for (TLELabel* label : lines_) {
        label->hide();
        label->deleteLater();
    }
    lines_.clear();
    addColumn(view.objekty, Column::Objects, 32, kFirstLine);
    addColumn(view.predmety, Column::Items, 144, kFirstLine);
    const int below = addColumn(view.zbrane, Column::Weapons, Label5->x(), kFirstLine);
    addColumn(view.zbroje, Column::Armours, Label5->x(), below);
}

void TInventory::act(const std::function<void(Game&)>& operation, bool lists) {
    if (runOnGame(operation)) Refresh(lists);
}

// Tab, the arrows and Enter play the lines; any other key typed closes the
// inventory, as its close button does.
void TInventory::keyPressEvent(QKeyEvent* event) {
    if (!keys.handle(*event) && IsTypedKey(*event)) finish();
}

}  // namespace morvane
