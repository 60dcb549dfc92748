#include "screens/KeyWalk.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace morvane {
namespace {

constexpr int kMargin = 2;

// The frame around the control reached: black inside white, so that it shows
// on dark panels and on light pictures alike. It follows the control and
// goes when the control does.
class ReachedFrame : public QWidget {
public:
    explicit ReachedFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void follow(QWidget* control) {
        if (target_) target_->removeEventFilter(this);
        target_ = control;
        if (!control) return hide();
        control->installEventFilter(this);
        place();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::white);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == target_) {
            const QEvent::Type t = event->type();
            if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show ||
                t == QEvent::Hide)
                place();
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    void place() {
        if (!target_ || !target_->isVisible() || target_->parentWidget() != parentWidget())
            return hide();
        setGeometry(target_->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
        raise();
        show();
    }

    QPointer<QWidget> target_;
};

void Send(QWidget* control, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF at(1, 1);
    QMouseEvent event(type, at, control->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

}  // namespace

KeyWalk::KeyWalk(QWidget& window) : window_(window) {}

std::vector<QWidget*> KeyWalk::walkable() const {
    std::vector<QWidget*> all = controls ? controls() : std::vector<QWidget*>{};
    std::erase_if(all, [](QWidget* w) { return !w || !w->isVisible(); });
    return all;
}

QWidget* KeyWalk::reached() const {
    return reached_ && reached_->isVisible() ? reached_.data() : nullptr;
}

void KeyWalk::reach(QWidget* control, bool hover) {
    if (control == reached()) return;
    if (QWidget* old = reached()) Unhover(old);
    if (onReach) onReach(control);
    reached_ = control;
    if (!frame_ && control) frame_ = new ReachedFrame(control->parentWidget());
    if (auto* frame = static_cast<ReachedFrame*>(frame_.data())) {
        if (control && frame->parentWidget() != control->parentWidget())
            frame->setParent(control->parentWidget());
        frame->follow(control);
    }
    if (control && hover) Hover(control);
}

void KeyWalk::step(bool forward) {
    const std::vector<QWidget*> all = walkable();
    if (all.empty()) return reach(nullptr);
    const auto at = std::find(all.begin(), all.end(), reached());
    std::ptrdiff_t k = at - all.begin();
    const auto n = static_cast<std::ptrdiff_t>(all.size());
    if (at == all.end()) k = forward ? 0 : n - 1;
    else k = (k + (forward ? 1 : n - 1)) % n;
    reach(all[static_cast<std::size_t>(k)]);
}

bool KeyWalk::handle(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    switch (event.key()) {
        case Qt::Key_Tab:
            step(!(event.modifiers() & Qt::ShiftModifier));
            return true;
        case Qt::Key_Backtab:
            step(false);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            if (!arrows) return false;
            step(true);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            if (!arrows) return false;
            step(false);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (QWidget* control = reached()) {
                Press(control);
                return true;
            }
            return false;
        default:
            return false;
    }
}

void KeyWalk::Hover(QWidget* control) {
    const QPointF at(1, 1);
    QEnterEvent enter(at, at, control->mapToGlobal(at));
    QCoreApplication::sendEvent(control, &enter);
    Send(control, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
}

void KeyWalk::Unhover(QWidget* control) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(control, &leave);
}

void KeyWalk::Press(QWidget* control) {
    Hover(control);
    // The click may close the window or destroy the control later; it is
    // not touched after it.
    Send(control, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    Send(control, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}

int ChoiceNumber(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    if (key == Qt::Key_0) return 10;
    // The digits' keys of a Czech keyboard, unshifted.
    static const QString czech = QStringLiteral("+ěščřžýáíé");
    const QString text = event.text().toLower();
    if (text.size() == 1) {
        const qsizetype at = czech.indexOf(text);
        if (at >= 0) return static_cast<int>(at) + 1;
    }
    return 0;
}

}  // namespace morvane
