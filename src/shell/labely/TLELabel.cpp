#include "shell/labely/TLELabel.h"

#include <QEnterEvent>
#include <QMouseEvent>

#include "game/Flow.h"

namespace morvane {

TLELabel::TLELabel(QWidget* parent, Game* game) : QLabel(parent), game_(game) {
    setTextFormat(Qt::PlainText);
    Barva1 = Barva2 = palette().color(QPalette::Window);
    // A label switched to blinking without a period blinks once a second, not
    // as fast as the event loop turns.
    blink_.setInterval(1000);
    connect(&blink_, &QTimer::timeout, this, [this] {
        phase_ = !phase_;
        setBackground(phase_ ? Barva1 : Barva2);
    });
}

void TLELabel::setBlikani(bool on) {
    blikani_ = on;
    if (on) {
        blink_.start();
        return;
    }
    blink_.stop();
    setBackground(Barva1);
}

QColor TLELabel::background() const { return palette().color(QPalette::Window); }

void TLELabel::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void TLELabel::setUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void TLELabel::enterEvent(QEnterEvent* event) {
    if (OnMouseEnter) OnMouseEnter();
    setBackground(Barva1);
    if (hoverUnderline) setUnderline(true);
    if (game_) PointAtLink(*game_, link, idx);
    QLabel::enterEvent(event);
}

void TLELabel::leaveEvent(QEvent* event) {
    if (OnMouseLeave) OnMouseLeave();
    setBackground(Barva2);
    setUnderline(false);
    if (game_) PointAway(*game_);
    QLabel::leaveEvent(event);
}

void TLELabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace morvane
