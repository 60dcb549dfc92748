#include "screens/ModalControls.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/QtText.h"
#include "shell/SkinImage.h"
#include "shell/labely/TLELabel.h"

namespace morvane {

QFont pixelFont(std::string_view face, int pixels, bool bold, bool italic, bool underline) {
    QFont font(fontFamily(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

void SetCaption(QLabel& label, const QString& text) {
    label.setText(text);
    label.adjustSize();
}

void SetCaption(QLabel& label, const QString& text, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, colour);
    label.setPalette(p);
    SetCaption(label, text);
}

QLabel* MakeCaption(QWidget* parent, const QString& text, int x, int y, const QFont& font,
                    const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setFont(font);
    label->move(x, y);
    SetCaption(*label, text, colour);
    return label;
}

TLELabel* MakeListLine(QWidget* parent, const QFont& font) {
    auto* line = new TLELabel(parent);
    line->Barva1 = line->Barva2 = Qt::transparent;
    line->setAttribute(Qt::WA_TranslucentBackground);
    line->setFont(font);
    return line;
}

void SetTitleAndMoney(QLabel& title, const QString& titleText, QLabel& money,
                      const QString& moneyText, int width) {
    SetCaption(title, titleText);
    title.move(width / 2 - title.width() / 2, title.y());
    SetCaption(money, moneyText);
    money.move(title.x() + title.width() / 2 - money.width() / 2, money.y());
}

void ApplyLook(QWidget& window, const ModalLook& look) {
    window.clearMask();
    SetBackground(window, qtColour(look.barva));
}

void CutOut(QWidget& window, const ModalLook& look) {
    if (look.pruhledne) CutOutColour(window, qtColour(look.barva));
}

void FramePanels(std::initializer_list<TShape*> panels, const ModalLook& look) {
    for (TShape* panel : panels) {
        panel->setBrush(Qt::black);
        if (look.ramecky) panel->setPen(qtColour(*look.ramecky));
    }
}

bool IsTypedKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return false;
        case Qt::Key_F4:
            return !(event.modifiers() & Qt::AltModifier);
        default:
            return true;
    }
}

// A window taller or wider than the screen starts at its top or left edge,
// so that its title and close button can be reached.
void CentreOver(QWidget& window, const QWidget* main) {
    QRect area, screenArea;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) screenArea = screen->geometry();
    area = main && main->isVisible() ? main->geometry() : screenArea;
    const ScreenPosition at =
        CentreOnMainWindow(area.width(), area.height(), window.width(), window.height());
    QPoint place(area.left() + at.left, area.top() + at.top);
    if (!screenArea.isEmpty())
        place = {std::max(place.x(), screenArea.left()), std::max(place.y(), screenArea.top())};
    window.move(place);
}

bool LoadSkinPicture(QLabel& control, Game& game, std::string_view name, bool ownSize) {
    return LoadPictureInto(control, FindSkinImage(game.gameFolder(), name), game.frontend,
                           ownSize ? PictureFit::OwnSize : PictureFit::Clip);
}

}  // namespace morvane
