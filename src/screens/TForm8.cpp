#include "screens/TForm8.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "game/Game.h"
#include "game/Flow.h"
#include "screens/Controls.h"
#include "screens/Host.h"
#include "screens/QtText.h"
#include "screens/TForm1.h"
#include "screens/TForm10.h"
#include "screens/TForm14.h"
#include "screens/TForm9.h"
#include "shell/SkinImage.h"

namespace morvane {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 400;
constexpr const char* kButtonPictures[4] = {"tlacitko_1", "tlacitko_2", "tlacitko_3",
                                            "tlacitko_4"};
constexpr const char* kHoverPictures[4] = {"tlacitko_1b", "tlacitko_2b", "tlacitko_3b",
                                           "tlacitko_4b"};
constexpr int kButtonTops[4] = {72, 136, 200, 272};

void StyleLabel(QLabel& label, const SkinFont& font, bool bold, bool underline) {
    QFont f = qtFont(font, bold);
    f.setUnderline(underline || font.underline);
    label.setFont(f);
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, qtColour(font.colour));
    label.setPalette(p);
}

}  // namespace

TForm8::TForm8(Game& game, Host& host, Screens screens)
    : game_(game), host_(host), screens_(screens) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, kWidth, kHeight);
    connect(Image1, &ClickLabel::mouseMoved, this, &TForm8::Image1MouseMove);
    for (int k = 0; k < 4; ++k) {
        Buttons[k] = new ClickLabel(this);
        Buttons[k]->setGeometry(32, kButtonTops[k], 170, 37);
        connect(Buttons[k], &ClickLabel::mouseMoved, this, [this, k] { ButtonMouseMove(k); });
    }
    connect(Buttons[0], &ClickLabel::clicked, this, &TForm8::Label1Click);
    connect(Buttons[1], &ClickLabel::clicked, this, &TForm8::Image4Click);
    connect(Buttons[2], &ClickLabel::clicked, this, &TForm8::Image3Click);
    connect(Buttons[3], &ClickLabel::clicked, this, &TForm8::Label4Click);
    Image6 = new ClickLabel(this);
    Image6->setGeometry(8, 328, 220, 63);
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    keys.controls = [this] { return std::vector<QWidget*>(Buttons.begin(), Buttons.end()); };
    // A button reached by the keyboard shows its hover picture alone.
    keys.onReach = [this](QWidget*) { Image1MouseMove(); };
    setFocusPolicy(Qt::StrongFocus);
    for (QLabel* label : {Label1, Label2}) {
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void TForm8::loadPicture(ClickLabel& control, const char* name) {
    LoadPictureInto(control, FindSkinImage(game_.gameFolder(), name), game_.frontend,
                    PictureFit::Clip);
}

bool TForm8::FormCreate() {
    // The game definition comes first: a folder that is no game gets one
    // clear report instead of one for every menu picture it lacks.
    if (!OpenMainMenu(game_)) return false;
    loadPicture(*Image1, "menu");
    for (int k = 0; k < 4; ++k) loadPicture(*Buttons[k], kButtonPictures[k]);
    loadPicture(*Image6, "titulek");
    const MainMenuTexts texts = DescribeMainMenu(game_);
    const QString title = qtText(texts.titul);
    QGuiApplication::setApplicationDisplayName(title);
    setWindowTitle(title);
    StyleLabel(*Label1, game_.menuskin.Label1, true, true);
    Label1->setText(title);
    centre(*Label1, 32);
    StyleLabel(*Label2, game_.menuskin.Label2, true, false);
    Label2->setText(qtText(texts.autor));
    centre(*Label2, 16);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - kWidth / 2, area.height() / 2 - kHeight / 2);
    }
    reshape();
    return true;
}

// The menu's fuchsia parts are see-through: the window has its pictures'
// shape, which a hover picture may change.
void TForm8::reshape() {
    clearMask();
    CutOutColour(*this, QColor(255, 0, 255));
}

void TForm8::centre(QLabel& label, int top) {
    label.adjustSize();
    label.move(kWidth / 2 - label.width() / 2, top);
    label.raise();
}

void TForm8::Label1Click() {
    ChooseNewGame(game_);
    if (NameEntryAsked(game_) && screens_.name) screens_.name->ShowModal();
    else if (screens_.main) screens_.main->ShowModal();
}

// A position chosen (and read) in the load dialog is loaded by the main
// window's start-up.
void TForm8::Image4Click() {
    if (screens_.load && screens_.load->ShowLoad(game_, this) && screens_.main)
        screens_.main->ShowModal();
}

void TForm8::Image3Click() {
    if (screens_.about) screens_.about->ShowAbout(pos());
}

void TForm8::Label4Click() { host_.quit(); }

void TForm8::ButtonMouseMove(int k) {
    if (hover[k]) return;
    loadPicture(*Buttons[k], kHoverPictures[k]);
    hover[k] = true;
    reshape();
}

void TForm8::Image1MouseMove() {
    bool changed = false;
    for (int k = 0; k < 4; ++k) {
        if (!hover[k]) continue;
        loadPicture(*Buttons[k], kButtonPictures[k]);
        hover[k] = false;
        changed = true;
    }
    if (changed) reshape();
}

void TForm8::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Escape) Label4Click();
    else keys.handle(*event);
}

void TForm8::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!keys.reached()) keys.reach(Buttons[0], false);
}

// Alt+F4 is swallowed; the menu ends through its quit button or Esc.
void TForm8::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace morvane
