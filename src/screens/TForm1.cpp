#include "screens/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>

#include "base/GameEnded.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "game/Flow.h"
#include "screens/Controls.h"
#include "screens/Host.h"
#include "screens/QtText.h"
#include "screens/TForm15.h"
#include "screens/TForm2.h"
#include "screens/TInventory.h"
#include "shell/SdlAudioBackend.h"
#include "shell/Skin.h"
#include "shell/labely/TLELabel.h"

namespace morvane {
namespace {

constexpr int kInfoAreaHeight = 84;
constexpr int kInfoLineGap = 15;
constexpr int kPageStep = 100;   // arrow keys and page keys
constexpr int kWheelStep = 150;  // one notch of the wheel
constexpr int kWheelNotch = 120;  // the wheel's angle for one notch, in eighths of a degree
constexpr int kPageMargin = 10;   // kept free above the info area and below the top

void SetTextColour(QLabel& label, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, colour);
    label.setPalette(p);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour,
                  int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    SetTextColour(*label, colour);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A button of the main window: a frame with a caption over it.
ClickLabel* MakeButton(QWidget* parent, TShape*& frame, QRect box, const QString& caption,
                       QPoint at, int pixels = 19) {
    frame = new TShape(parent);
    frame->setGeometry(box);
    auto* label = new ClickLabel(caption, parent);
    label->setFont(qtFont("Times New Roman", 1, true));
    QFont f = label->font();
    f.setPixelSize(pixels);
    label->setFont(f);
    label->setCursor(Qt::PointingHandCursor);
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

TForm1::TForm1(Host& host) : host_(host), audioOpener_([] { return OpenSdlAudio(); }) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Around a stage smaller than the window the window is black.
    SetBackground(*this, Qt::black);
    stage_ = new QWidget(this);
    SetBackground(*stage_, QColor(Qt::darkBlue));
    createControls();
    qApp->installEventFilter(this);
    Timer.setInterval(100);
    connect(&Timer, &QTimer::timeout, this, [this] {
        if (game_ && !ended_) run([this] { Tick(*game_); });
    });
    Timer.start();
}

TForm1::~TForm1() { Timer.stop(); }

void TForm1::attach(Game& game, Screens screens) {
    game_ = &game;
    screens_ = screens;
}

void TForm1::createControls() {
    const MainWindowTexts texts = DescribeMainWindow();
    Label3 = MakeButton(stage_, Shape4, {8, 6, 81, 27}, qtText(texts.konec), {24, 8});
    Label4 = MakeButton(stage_, Shape5, {112, 6, 89, 27}, qtText(texts.napoveda), {115, 8});
    // The audio frame is only 19 pixels high: its caption takes a smaller size
    // so that it stays inside.
    Label5 = MakeButton(stage_, Shape6, {75, 38, 49, 19}, qtText(texts.audio), {85, 40}, 13);
    Label1 = MakeButton(stage_, Shape1, {8, 62, 81, 27}, qtText(texts.postava), {16, 64});
    Label2 = MakeButton(stage_, Shape3, {112, 62, 89, 27}, qtText(texts.vybaveni), {120, 64});
    Shape6->hide();
    Label5->hide();
    connect(Label3, &ClickLabel::clicked, this, &TForm1::KonecClick);
    connect(Label4, &ClickLabel::clicked, this, &TForm1::NapovedaClick);
    connect(Label5, &ClickLabel::clicked, this, &TForm1::Label5Click);
    connect(Label1, &ClickLabel::clicked, this, &TForm1::PostavaClick);
    connect(Label2, &ClickLabel::clicked, this, &TForm1::VybaveniClick);

    Label6 = MakeLabel(stage_, QString(), qtFont("Arial", 10, true), Qt::white, 152, 40);
    Label6->hide();
    TimerLabel = MakeLabel(stage_, QString(), qtFont("Arial", 1), Qt::white, 90, 88);
    QFont timerFont = TimerLabel->font();
    timerFont.setPixelSize(21);
    TimerLabel->setFont(timerFont);

    Shape2 = new TShape(stage_, true);
    Shape2->setGeometry(0, 104, 209, 40);
    Shape2->hide();
    Menu = MakeLabel(stage_, QStringLiteral("Co uděláš?"), qtFont("Arial", 12), Qt::white, 64, 114);
    Menu->hide();
    // The countdown's digits reach below the menu frame's top edge: they stand over it.
    TimerLabel->raise();

    Zprava_ramecek = new TShape(stage_);
    Zprava_ramecek->setGeometry(0, 629, 792, kInfoAreaHeight);
    Zprava = MakeLabel(stage_, QStringLiteral("Zpráva:"), qtFont("Arial", 9), qtColour(kGrey), 8,
                       690);
    for (int i = 0; i < kInfoLines; ++i) {
        History[i] = MakeLabel(stage_, QString(), qtFont("Arial", 9), Qt::white, 64,
                               690 - kInfoLineGap * i);
    }

    pokracovatFrame = new TShape(stage_);
    pokracovatFrame->resize(150, 50);
    pokracovatFrame->hide();
    pokracovat = new ClickLabel(qtText(texts.pokracovat), stage_);
    pokracovat->setFont(qtFont("Arial", 18));
    SetTextColour(*pokracovat, Qt::white);
    pokracovat->setCursor(Qt::PointingHandCursor);
    pokracovat->adjustSize();
    pokracovat->hide();
    connect(pokracovat, &ClickLabel::clicked, this, &TForm1::PokracovatClick);
    Label6->raise();
    dalsi = MakeButton(stage_, dalsiFrame, {0, 0, 29, 27}, QStringLiteral("▼"), {0, 0});
    dalsiFrame->hide();
    dalsi->hide();
    connect(dalsi, &ClickLabel::clicked, this, [this] { scrollPage(-kPageStep); });
    keys.arrows = false;
    keys.controls = [this] { return walkable(); };
    keys.onReach = [this](QWidget* control) { bringIntoView(control); };
}

void TForm1::setStage(const QRect& area, bool backdrop, bool framed) {
    stageArea_ = area;
    windowArea_ = area;
    if (backdrop)
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            windowArea_ = screen->geometry();
    if (framed) setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
}

int TForm1::ShowModal() {
    closing_ = false;
    QTimer::singleShot(0, this, &TForm1::Inicializace);
    return exec();
}

void TForm1::Inicializace() {
    Game& g = *game_;
    ended_ = false;
    SetBackground(*stage_, qtColour(g.menuskin.hlavnipozadi));
    for (QLabel* line : History) line->clear();
    pageRun_ = menuRun_ = g.behy;
    clearPage(0);
    for (TLELabel* label : menu_) label->deleteLater();
    menu_.clear();
    Shape2->resize(Shape2->width(), 40);
    scroll_ = 0;
    wheelAngle_ = 0;
    run([&] {
        PrepareStartUp(g, audioOpener_);
        applySkin();
        layOut();
        StartGame(g);
    });
}

// The frames and captions take the main skin's colours; the page, menu and
// heading fonts come from it too.
void TForm1::applySkin() {
    const Skin& skin = game_->skin;
    for (TShape* frame :
         {Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Zprava_ramecek, dalsiFrame})
        frame->setPen(qtColour(skin.ramecky));
    for (ClickLabel* caption : {Label1, Label2, Label3, Label4, Label5, dalsi})
        SetTextColour(*caption, qtColour(skin.popisky));
    Shape5->setVisible(HelpOffered(*game_));
    Label4->setVisible(HelpOffered(*game_));
    const bool audio = AudioOffered(*game_);
    Shape6->setVisible(audio);
    Label5->setVisible(audio);
    Menu->setFont(qtFont(skin.MenuOtazkaFont));
}

// The window takes its area and the game its stage in it (without them,
// the screen size the game was given); the info area sits at the stage's bottom.
void TForm1::layOut() {
    const int width = game_->screenWidth, height = game_->screenHeight;
    const QRect stage = stageArea_.isValid() ? QRect(stageArea_.topLeft(), QSize(width, height))
                                             : QRect(0, 0, width, height);
    const QRect window = windowArea_.isValid() ? windowArea_ : stage;
    setGeometry(window);
    resize(window.size());
    stage_->setGeometry(QRect(stage.topLeft() - window.topLeft(), stage.size()));
    Zprava->move(Zprava->x(), height - Zprava->height() - 5);
    Zprava_ramecek->setGeometry(0, height - Zprava_ramecek->height(), width,
                                Zprava_ramecek->height());
    for (int i = 0; i < kInfoLines; ++i) History[i]->move(64, Zprava->y() - kInfoLineGap * i);
    dalsiFrame->move(width - dalsiFrame->width() - 8,
                     Zprava_ramecek->y() - dalsiFrame->height() - 6);
    dalsi->move(dalsiFrame->x() + dalsiFrame->width() / 2 - dalsi->width() / 2, dalsiFrame->y() + 2);
    pokracovatFrame->move(width / 2 - 75, height / 3 + 10);
    pokracovat->move(width / 2 - 60, height / 3 + 20);
}

void TForm1::run(const std::function<void()>& operation) {
    if (ended_ || !game_) return;
    try {
        operation();
    } catch (const GameEnded&) {
        ended_ = true;
    } catch (const std::exception& failure) {
        reportError(failure.what());
    }
    Refresh();
    if (ended_ || QuitRequested(*game_)) {
        ended_ = true;
        host_.quit();
    }
}

void TForm1::KonecClick() {
    run([this] { Quit(*game_); });
}

void TForm1::NapovedaClick() {
    run([this] { ToggleHelp(*game_); });
}

void TForm1::PokracovatClick() {
    run([this] { Continue(*game_); });
}

void TForm1::PostavaClick() {
    if (screens_.sheet && SheetOffered(*game_)) screens_.sheet->ShowSheet(*game_, this);
}

void TForm1::Label5Click() {
    if (screens_.audio && AudioOffered(*game_)) screens_.audio->ShowSettings(*game_, this);
}

void TForm1::VybaveniClick() {
    if (screens_.inventory && InventoryOffered(*game_))
        run([this] { screens_.inventory->ShowInventory(*game_, this); });
}

// The page scrolls between its top and its end: the end stands just above
// the info area, and a page that fits doesn't scroll at all.
void TForm1::scrollPage(std::int32_t pixels) {
    scroll_ += pixels;
    placePage();
}

std::int32_t TForm1::lastScroll() const {
    const int visibleBottom = Zprava_ramecek->y() - kPageMargin;
    return std::min(0, visibleBottom - pageBottom_);
}

void TForm1::showScrollMarker() {
    const bool more = scroll_ > lastScroll();
    dalsiFrame->setVisible(more);
    dalsi->setVisible(more);
    if (more) {
        dalsiFrame->raise();
        dalsi->raise();
    }
}

// A page control reached from the keyboard is scrolled into view.
void TForm1::bringIntoView(QWidget* control) {
    if (!control || std::find(page_.begin(), page_.end(), control) == page_.end()) return;
    const int visibleBottom = Zprava_ramecek->y() - kPageMargin;
    if (control->y() < kPageMargin) scrollPage(kPageMargin - control->y());
    else if (control->y() + control->height() > visibleBottom)
        scrollPage(visibleBottom - control->y() - control->height());
}

std::vector<QWidget*> TForm1::walkable() const {
    std::vector<QWidget*> all;
    all.push_back(pokracovat);
    for (QLabel* control : page_)
        if (control->property(kLinkProperty).toBool()) all.push_back(control);
    all.insert(all.end(), menu_.begin(), menu_.end());
    return all;
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // No key closes the game; Esc in particular doesn't.
    event->accept();
    if (keys.handle(*event) || shortcut(*event)) return;
    // Enter with nothing reached resumes a loaded position.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && pokracovat->isVisible())
        KeyWalk::Press(pokracovat);
}

bool TForm1::shortcut(const QKeyEvent& event) {
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    // The keypad's 8 and 2 scroll, as its arrows do.
    if (keypad && event.key() == Qt::Key_8) return scrollPage(kPageStep), true;
    if (keypad && event.key() == Qt::Key_2) return scrollPage(-kPageStep), true;
    if (const int k = ChoiceNumber(event); k > 0) {
        if (static_cast<std::size_t>(k) <= menu_.size() && menu_[k - 1]->isVisible())
            KeyWalk::Press(menu_[k - 1]);
        return true;
    }
    ClickLabel* button = nullptr;
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            return scrollPage(kPageStep), true;
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            return scrollPage(-kPageStep), true;
        case Qt::Key_Home:
            return scrollPage(-scroll_), true;
        case Qt::Key_End:
            return scrollPage(lastScroll() - scroll_), true;
        case Qt::Key_P:
            button = Label1;
            break;
        case Qt::Key_V:
            button = Label2;
            break;
        case Qt::Key_N:
        case Qt::Key_F1:
            button = Label4;
            break;
        case Qt::Key_A:
            button = Label5;
            break;
        default:
            return false;
    }
    if (button->isVisible()) KeyWalk::Press(button);
    return true;
}

// A notch is 120; wheels and touchpads that step finer add up to whole notches.
void TForm1::wheelEvent(QWheelEvent* event) {
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / kWheelNotch;
    wheelAngle_ -= notches * kWheelNotch;
    if (notches != 0) scrollPage(notches * kWheelStep);
    event->accept();
}

// Alt+F4 and the like are ignored: the game ends through its own buttons.
void TForm1::closeEvent(QCloseEvent* event) {
    if (closing_) event->accept();
    else event->ignore();
}

void TForm1::reject() {
    if (closing_) QDialog::reject();
}

// Any mouse movement over the window runs a move that a clicked page link
// left waiting.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && game_ && !ended_ && DeferredMoveWaiting(*game_)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) run([this] { RunDeferredMove(*game_); });
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace morvane
