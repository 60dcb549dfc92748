#include "screens/TForm2.h"

#include <QKeyEvent>

#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"

namespace morvane {
namespace {

constexpr int kWidth = 421, kHeight = 245;
constexpr const char* kFace = "Times New Roman";
const QColor qMaroon(128, 0, 0), qNavy(0, 0, 128);

struct Row {
    PriceSlot slot;
    int x, y;   // the plus button; its caption 24 pixels right
    int value;  // x of the value
};
// Left column: hit points, strength, speed; right column: mana, agility,
// energy, whose values stand further right for the longer "Obratnost".
constexpr Row kRows[] = {
    {PriceSlot::Zivoty, 40, 96, 144},     {PriceSlot::Sila, 40, 120, 144},
    {PriceSlot::Rychlost, 40, 144, 144},  {PriceSlot::Mana, 224, 96, 344},
    {PriceSlot::Obratnost, 224, 120, 344}, {PriceSlot::Energie, 224, 144, 344},
};

void centre(QLabel& label) { label.move(kWidth / 2 - label.width() / 2, label.y()); }

}  // namespace

TForm2::TForm2() {
    setFixedSize(kWidth, kHeight);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, kWidth, kHeight);
    connect(Image1, &ClickLabel::mouseMoved, this, [this] { showHint(QString()); });
    // The background covers the whole sheet: a click where no control is closes it.
    connect(Image1, &ClickLabel::clicked, this, &TForm2::finish);
    const QFont plain = pixelFont(kFace, 16), bold = pixelFont(kFace, 16, true);
    Jmeno = MakeCaption(this, QString(), 0, 16, pixelFont(kFace, 24));
    const SheetCaptions captions = DescribeSheetCaptions();
    Zkusenosti = MakeCaption(this, qtText(captions.zkusenosti), 0, 50,
                             pixelFont(kFace, 16, false, true));
    Label7 = MakeCaption(this, QString(), 0, 50, pixelFont(kFace, 16, true, true));
    XPinfo = MakeCaption(this, QString(), 0, 70, plain);
    QLabel** values[] = {&Label1, &Label3, &Label5, &Label2, &Label4, &Label6};
    for (int k = 0; k < 6; ++k) {
        const Row& row = kRows[k];
        const QColor colour = row.slot == PriceSlot::Zivoty ? qMaroon
                              : row.slot == PriceSlot::Mana ? qNavy
                                                            : QColor(Qt::black);
        MakeCaption(this, qtText(AttributeCaption(row.slot)), row.x + 24, row.y, plain);
        *values[k] = MakeCaption(this, QString(), row.value, row.y, bold, colour);
        auto* plus = new ClickLabel(this);
        plus->setGeometry(row.x, row.y, 15, 15);
        plus->setCursor(Qt::PointingHandCursor);
        const PriceSlot slot = row.slot;
        connect(plus, &ClickLabel::mouseMoved, this,
                [this, slot] { showHint(qtText(TrainingHint(*game_, slot))); });
        connect(plus, &ClickLabel::clicked, this, [this, slot] {
            Train(*game_, slot);
            Refresh();
            showHint(qtText(TrainingHint(*game_, slot)));
        });
        Plus[static_cast<int>(slot)] = plus;
    }
    MakeCaption(this, qtText(captions.zbran), 32, 184, plain);
    Label8 = MakeCaption(this, QString(), 80, 184, bold);
    MakeCaption(this, qtText(captions.zbroj), 32, 208, plain);
    Label9 = MakeCaption(this, QString(), 80, 208, bold);
    Image8 = new ClickLabel(this);
    Image8->setGeometry(368, 24, 25, 26);
    Image8->setCursor(Qt::PointingHandCursor);
    connect(Image8, &ClickLabel::mouseMoved, this,
            [this] { showHint(qtText(CloseHint())); });
    connect(Image8, &ClickLabel::clicked, this, &TForm2::finish);
    keys.controls = [this] {
        std::vector<QWidget*> all(Plus.begin(), Plus.end());
        all.push_back(Image8);
        return all;
    };
}

void TForm2::Prepare(Game& game, const QWidget* main) {
    game_ = &game;
    const ModalLook look = ApplyModalLook(game.menuskin, game.skin, ModalScreen::CharacterSheet);
    ApplyLook(*this, look);
    CentreOver(*this, main);
    // The pictures are read anew at every showing, so a changed file is seen.
    LoadSkinPicture(*Image1, game, "pozadi_postava");
    for (ClickLabel* plus : Plus) LoadSkinPicture(*plus, game, "plusko3d");
    LoadSkinPicture(*Image8, game, "krizek");
    showHint(QString());
    Refresh();
    CutOut(*this, look);
}

void TForm2::ShowSheet(Game& game, const QWidget* main) {
    Prepare(game, main);
    exec();
}

void TForm2::Refresh() {
    const CharacterSheet sheet = PrepareSheet(*game_);
    SetCaption(*Jmeno, qtText(sheet.Jmeno));
    centre(*Jmeno);
    const std::pair<QLabel*, const std::string*> values[] = {
        {Label1, &sheet.Label1}, {Label2, &sheet.Label2}, {Label3, &sheet.Label3},
        {Label4, &sheet.Label4}, {Label5, &sheet.Label5}, {Label6, &sheet.Label6},
        {Label7, &sheet.Label7}, {Label8, &sheet.Label8}, {Label9, &sheet.Label9}};
    for (const auto& [label, text] : values) SetCaption(*label, qtText(*text));
    // The caption and the experience value are centred as a pair, 10 pixels apart.
    const int pair = Zkusenosti->width() + Label7->width() + 10;
    Zkusenosti->move(kWidth / 2 - pair / 2, Zkusenosti->y());
    Label7->move(Zkusenosti->x() + Zkusenosti->width() + 10, Label7->y());
    for (int k = 0; k < 6; ++k) Plus[k]->setVisible(sheet.plus[k]);
}

void TForm2::showHint(const QString& text) {
    SetCaption(*XPinfo, text);
    centre(*XPinfo);
}

// Tab, the arrows and Enter train; any other key typed closes the sheet.
// Alt+F4 does not (nor does the Alt it starts with).
void TForm2::keyPressEvent(QKeyEvent* event) {
    if (!keys.handle(*event) && IsTypedKey(*event)) finish();
}

}  // namespace morvane
