#include "screens/TSouboj.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/ModalControls.h"
#include "screens/QtText.h"
#include "shell/labely/TLELabel.h"

namespace morvane {
namespace {

constexpr int kPictureWidth = 409, kPictureHeight = 457;
constexpr const char* kFace = "Times New Roman";
const QColor qMaroon(128, 0, 0), qNavy(0, 0, 128), qPurple(128, 0, 128), qGrey(128, 128, 128);
const QColor qLime(0, 255, 0), qYellow(255, 255, 0);

QLabel* value(QWidget* parent, int x, int y, const QColor& colour = Qt::black) {
    return MakeCaption(parent, QString(), x, y, pixelFont(kFace, 16, true), colour);
}

QLabel* caption(QWidget* parent, const std::string& text, int x, int y) {
    return MakeCaption(parent, qtText(text), x, y, pixelFont(kFace, 16));
}

QLabel* report(QWidget* parent, int x, int y, int width, int height, const QColor& colour) {
    QLabel* label = MakeCaption(parent, QString(), x, y, pixelFont(kFace, 14), colour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->resize(width, height);
    return label;
}

void setWrapped(QLabel& label, const std::string& text, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, colour);
    label.setPalette(p);
    label.setText(qtText(text));
}

void centreOverPicture(QLabel& label) { label.move(kPictureWidth / 2 - label.width() / 2, label.y()); }

}  // namespace

TSouboj::TSouboj() {
    setFixedSize(682, 598);
    setMouseTracking(true);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    connect(Image1, &ClickLabel::mouseMoved, this, [this] { act(HoverPicture); });
    connect(Image1, &ClickLabel::clicked, this, [this] { act(ClickPicture); });
    Shape2 = new TShape(this);
    Shape2->setGeometry(411, 0, 246, 455);
    Shape1 = new TShape(this);
    Shape1->setGeometry(0, 458, 657, 113);
    createValueArea();
    createReportArea();
    keys.controls = [this] {
        std::vector<QWidget*> all(actions_.begin(), actions_.end());
        all.push_back(Label29);
        all.push_back(Label11);
        all.insert(all.end(), list_.begin(), list_.end());
        return all;
    };
}

void TSouboj::keyPressEvent(QKeyEvent* event) {
    if (const int k = ChoiceNumber(*event); k > 0) {
        if (static_cast<std::size_t>(k) <= actions_.size()) KeyWalk::Press(actions_[k - 1]);
        return;
    }
    if (pressOn(*event, Qt::Key_P, Label29) || pressOn(*event, Qt::Key_K, Label11) ||
        pressOn(*event, Qt::Key_Escape, Image1))
        return;
    GameScreen::keyPressEvent(event);
}

void TSouboj::createValueArea() {
    const FightCaptions c = DescribeFightCaptions();
    Jmeno = MakeCaption(this, QString(), 160, 24, pixelFont(kFace, 27));
    caption(this, c.zivoty, 64, 56);
    caption(this, c.utok, 64, 80);
    caption(this, c.obrana, 64, 104);
    caption(this, c.poskozeni, 248, 80);
    caption(this, c.tvrdost, 248, 104);
    Label12 = value(this, 136, 56, qMaroon);
    Label13 = value(this, 136, 80);
    Label14 = value(this, 136, 104);
    Label25 = value(this, 320, 80);
    Label26 = value(this, 320, 104);
    Jmeno_hrac = MakeCaption(this, QString(), 152, 136, pixelFont(kFace, 27));
    const std::string* left[] = {&c.zivoty, &c.rychlost, &c.utok, &c.obrana};
    const std::string* right[] = {&c.mana, &c.energie, &c.poskozeni, &c.tvrdost};
    for (int row = 0; row < 4; ++row) {
        caption(this, *left[row], 64, 176 + 24 * row);
        caption(this, *right[row], 248, 176 + 24 * row);
    }
    Label15 = value(this, 136, 176, qMaroon);
    Label17 = value(this, 136, 200);
    Label19 = value(this, 136, 224);
    Label20 = value(this, 136, 248);
    Label16 = value(this, 320, 176, qNavy);
    Label18 = value(this, 320, 200, qPurple);
    Label27 = value(this, 320, 224);
    Label28 = value(this, 320, 248);
    MakeCaption(this, qtText(c.akce), 192, 261, pixelFont(kFace, 13, true, false, true));
}

void TSouboj::createReportArea() {
    const FightCaptions c = DescribeFightCaptions();
    Label29 = new ClickLabel(qtText(c.predmety), this);
    Label29->move(136, 347);
    Label11 = new ClickLabel(qtText(c.kouzla), this);
    Label11->move(224, 347);
    for (ClickLabel* button : {Label29, Label11}) {
        button->setFont(pixelFont(kFace, 16, true));
        button->adjustSize();
    }
    connect(Label29, &ClickLabel::mouseMoved, this, [this] { act(HoverItemButton); });
    connect(Label11, &ClickLabel::mouseMoved, this, [this] { act(HoverSpellButton); });
    connect(Label29, &ClickLabel::clicked, this, [this] { act(ClickItemButton); });
    connect(Label11, &ClickLabel::clicked, this, [this] { act(ClickSpellButton); });
    Label31 = value(this, 24, 347, qPurple);
    Label32 = value(this, 296, 347, qNavy);
    Popis_akce = report(this, 28, 373, 380, 35, qMaroon);
    Popis_akce_cost = report(this, 28, 408, 380, 45, qPurple);
    Label30 = MakeCaption(this, qtText(c.copouzijes), 450, 13, pixelFont(kFace, 16, true),
                          Qt::white);
    Summary1 = report(this, 12, 462, 345, 38, Qt::red);
    Summary2 = report(this, 12, 500, 345, 68, qLime);
    Summary3 = report(this, 364, 462, 290, 106, qYellow);
}

void TSouboj::Prepare(Game& game, const QWidget* main) {
    beginShowing(game);
    const ModalLook look = ApplyModalLook(game.menuskin, game.skin, ModalScreen::Fight);
    ApplyLook(*this, look);
    FramePanels({Shape1, Shape2}, look);
    CentreOver(*this, main);
    Image1->setPixmap(QPixmap());
    LoadSkinPicture(*Image1, game, "pozadi_bitva");
    const FightView view = DescribeFight(game);
    makeActionLabels(view);
    clearList();
    Refresh();
    CutOut(*this, look);
}

void TSouboj::ShowFight(Game& game, const QWidget* main) {
    Prepare(game, main);
    if (FightOpen(game)) exec();
    for (TLELabel* label : actions_) label->deleteLater();
    actions_.clear();
    clearList();
    endShowing();
}

// Four labels to a row, 100 pixels apart, rows 17 pixels apart. Each carries
// its attack's table entry, not its place on the screen.
void TSouboj::makeActionLabels(const FightView& view) {
    for (TLELabel* label : actions_) label->deleteLater();
    actions_.clear();
    int k = 0;
    for (const FightAction& action : view.actions) {
        auto* label = MakeListLine(this, pixelFont(kFace, 15));
        label->setText(qtText(action.text));
        label->adjustSize();
        label->move(18 + 100 * (k % 4), 280 + 17 * (k / 4));
        label->setCursor(Qt::PointingHandCursor);
        label->idx = action.entry;
        const std::int32_t n = action.entry;
        label->OnMouseEnter = [this, n] { act([n](Game& g) { HoverAction(g, n); }); };
        label->setMouseTracking(true);
        label->installEventFilter(this);
        connect(label, &TLELabel::clicked, this,
                [this, n] { act([n](Game& g) { ClickAction(g, n); }); });
        label->show();
        actions_.push_back(label);
        ++k;
    }
}

void TSouboj::clearList() {
    for (TLELabel* label : list_) {
        label->hide();
        label->deleteLater();
    }
    list_.clear();
    shownList_ = FightList{};
}

// The list stands on the right panel: the first line 40 pixels below the
// picture's top, each further line 20 pixels lower.
void TSouboj::showList(const FightList& list) {
    clearList();
    const bool items = list.kind == FightListKind::Items;
    int top = 40;
    for (const FightListEntry& entry : list.entries) {
        auto* label = new TLELabel(this);
        label->Barva1 = items ? QColor(128, 0, 0) : QColor(Qt::transparent);
        label->Barva2 = items ? QColor(Qt::black) : QColor(Qt::transparent);
        label->setBackground(label->Barva2);
        label->setFont(qtFont("Times New Roman", items ? 10 : 11));
        SetCaption(*label, qtText(entry.text), entry.usable ? Qt::white : qYellow);
        label->move(kPictureWidth + 10, top);
        label->setCursor(Qt::PointingHandCursor);
        label->idx = entry.entry;
        const std::int32_t n = entry.entry;
        label->OnMouseEnter = [this, n, items] {
            act([n, items](Game& g) { items ? HoverItem(g, n) : HoverSpell(g, n); });
        };
        label->setMouseTracking(true);
        label->installEventFilter(this);
        connect(label, &TLELabel::clicked, this, [this, n, items] {
            act([n, items](Game& g) { items ? ClickItem(g, n) : ClickSpell(g, n); });
        });
        label->show();
        list_.push_back(label);
        top += 20;
    }
    shownList_ = list;
}

void TSouboj::Refresh() {
    if (!game_) return;
    const FightView v = DescribeFight(*game_);
    SetCaption(*Jmeno, qtText(v.Jmeno));
    centreOverPicture(*Jmeno);
    SetCaption(*Jmeno_hrac, qtText(v.Jmeno_hrac));
    centreOverPicture(*Jmeno_hrac);
    const std::pair<QLabel*, const std::string*> values[] = {
        {Label12, &v.Label12}, {Label13, &v.Label13}, {Label14, &v.Label14},
        {Label25, &v.Label25}, {Label26, &v.Label26}, {Label15, &v.Label15},
        {Label16, &v.Label16}, {Label17, &v.Label17}, {Label18, &v.Label18},
        {Label19, &v.Label19}, {Label20, &v.Label20}, {Label27, &v.Label27},
        {Label28, &v.Label28}, {Label31, &v.Label31}, {Label32, &v.Label32}};
    for (const auto& [label, text] : values) SetCaption(*label, qtText(*text));
    Label31->setVisible(v.cost_captions_shown);
    Label32->setVisible(v.cost_captions_shown);
    const std::pair<ClickLabel*, bool> buttons[] = {{Label29, v.items_allowed},
                                                    {Label11, v.spells_allowed}};
    for (const auto& [button, allowed] : buttons) {
        SetCaption(*button, button->text(), allowed ? QColor(Qt::black) : qGrey);
        button->setCursor(allowed ? Qt::PointingHandCursor : Qt::ArrowCursor);
        button->setVisible(v.buttons_shown);
    }
    setWrapped(*Popis_akce, v.Popis_akce, v.popis_akce_black ? QColor(Qt::black) : qMaroon);
    setWrapped(*Popis_akce_cost, v.Popis_akce_cost, v.popis_akce_cost_blue ? qNavy : qPurple);
    setWrapped(*Summary1, v.Summary1, Qt::red);
    setWrapped(*Summary2, v.Summary2, v.summary2_white ? QColor(Qt::white) : qLime);
    setWrapped(*Summary3, v.Summary3, qYellow);
    for (std::size_t k = 0; k < actions_.size() && k < v.actions.size(); ++k) {
        QPalette p = actions_[k]->palette();
        p.setColor(QPalette::WindowText, v.actions[k].enabled ? QColor(Qt::black) : qGrey);
        actions_[k]->setPalette(p);
    }
    Label30->setVisible(v.list.kind != FightListKind::None);
    if (v.list.kind != shownList_.kind || v.list.entries.size() != shownList_.entries.size() ||
        !std::equal(v.list.entries.begin(), v.list.entries.end(), shownList_.entries.begin(),
                    [](const FightListEntry& a, const FightListEntry& b) {
                        return a.entry == b.entry && a.text == b.text && a.usable == b.usable;
                    }))
        showList(v.list);
}

// Moves over the window itself, and over its plain captions. Controls with a
// hover of their own pass their moves on to here too; those are theirs.
void TSouboj::mouseMoveEvent(QMouseEvent* event) {
    GameScreen::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (QWidget* under = childAt(at);
        qobject_cast<ClickLabel*>(under) || qobject_cast<TLELabel*>(under))
        return;
    if (Shape2->geometry().contains(at)) act(HoverListPanel);
    else act(HoverPicture);
}

bool TSouboj::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        if (auto* line = qobject_cast<TLELabel*>(watched); line && line->OnMouseEnter)
            line->OnMouseEnter();
    return GameScreen::eventFilter(watched, event);
}

void TSouboj::act(const std::function<void(Game&)>& operation) {
    if (!runOnGame(operation)) return;
    if (!FightOpen(*game_)) finish();
    else Refresh();
}

}  // namespace morvane
