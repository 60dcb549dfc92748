#include "screens/TForm9.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "game/Flow.h"
#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/Host.h"
#include "screens/QtText.h"
#include "shell/SkinImage.h"

namespace morvane {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 400;
constexpr int kFirstCaption = 84;
constexpr int kCaptionGap = 24;

void Style(QLabel& label, const SkinFont& font) {
    label.setFont(qtFont(font));
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, qtColour(font.colour));
    label.setPalette(p);
    label.adjustSize();
    label.move(kWidth / 2 - label.width() / 2, label.y());
}

}  // namespace

TForm9::TForm9(Game& game, Host& host) : game_(game), host_(host) {
    setFixedSize(kWidth, kHeight);
    Image1 = new ClickLabel(this);
    Image1->setGeometry(0, 0, kWidth, kHeight);
    Image2 = new ClickLabel(this);
    Image2->setGeometry(8, 328, 220, 63);
    const AboutTexts texts = DescribeAbout();
    for (int i = 0; i < 5; ++i) {
        Captions[i] = new QLabel(qtText(texts.lines[static_cast<std::size_t>(i)]), this);
        Captions[i]->move(0, kFirstCaption + kCaptionGap * i);
    }
    Odkaz = new ClickLabel(qtText(texts.odkaz), this);
    Odkaz->move(0, kFirstCaption + kCaptionGap * 5 + 8);
    connect(Odkaz, &ClickLabel::clicked, this, [this] {
        if (!address().isEmpty()) host_.openWeb(address());
    });
    Verze = new QLabel(qtText(texts.verze), this);
    Verze->move(0, 300);
    Klavesy = new QLabel(QStringLiteral("Klávesy: 1–9 a 0 volí z menu,\n"
                                        "Tab a Enter odkazy, šipky posun,\n"
                                        "P postava, V vybavení,\n"
                                        "N nápověda, A audio"),
                         this);
    Klavesy->setAlignment(Qt::AlignHCenter);
    Klavesy->move(0, 236);
    Klavesy->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QLabel* label : Captions) label->setAttribute(Qt::WA_TransparentForMouseEvents);
    Verze->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (ClickLabel* picture : {Image1, Image2}) connect(picture, &ClickLabel::clicked, this, &TForm9::finish);
}

QUrl TForm9::address() { return QUrl(); }

void TForm9::Prepare(QPoint at) {
    move(at);
    LoadPictureInto(*Image1, FindSkinImage(game_.gameFolder(), "menu"), game_.frontend,
                    PictureFit::Clip);
    LoadPictureInto(*Image2, FindSkinImage(game_.gameFolder(), "titulek"), game_.frontend,
                    PictureFit::Clip);
    for (QLabel* label : Captions) Style(*label, game_.menuskin.ffa);
    Style(*Odkaz, game_.menuskin.font_odkaz);
    if (!address().isEmpty()) Odkaz->setCursor(Qt::PointingHandCursor);
    Style(*Verze, game_.menuskin.font_verze);
    Style(*Klavesy, game_.menuskin.font_verze);
    clearMask();
    CutOutColour(*this, QColor(255, 0, 255));
}

void TForm9::ShowAbout(QPoint at) {
    Prepare(at);
    exec();
}

// A modifier on its own is no key yet; were Alt to close the box, Alt+F4
// would close it too.
void TForm9::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const int key = event->key();
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
        key == Qt::Key_AltGr || key == Qt::Key_Meta || key == Qt::Key_Super_L ||
        key == Qt::Key_Super_R)
        return;
    if (key == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) return;
    finish();
}

// A click the link's own handler has left comes here too; only clicks
// elsewhere close the box.
void TForm9::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (childAt(event->position().toPoint()) == Odkaz) return;
    finish();
}

}  // namespace morvane
