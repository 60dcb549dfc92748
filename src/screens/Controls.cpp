#include "screens/Controls.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "game/Frontend.h"
#include "screens/QtText.h"
#include "shell/Picture.h"

namespace morvane {

TShape::TShape(QWidget* parent, bool rounded) : QWidget(parent), rounded_(rounded) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::setPen(const QColor& colour) {
    pen_ = colour;
    update();
}

void TShape::setBrush(const QColor& colour) {
    brush_ = colour;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(pen_, 1));
    painter.setBrush(brush_);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (rounded_) {
        // A rounded frame's corners are an eighth of the shorter side, as drawn
        // by the desktop's own rounded rectangles.
        const int corner = std::min(width(), height()) / 8;
        painter.drawRoundedRect(box, corner, corner);
    } else {
        painter.drawRect(box);
    }
}

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

bool LoadPictureInto(QLabel& control, const std::filesystem::path& file, Frontend& frontend,
                     PictureFit fit) {
    const PictureLoad load = LoadPicture(file);
    if (!load.ok()) {
        control.setPixmap(QPixmap());
        frontend.reportError(load.error);
        return false;
    }
    const QPixmap pixmap = QPixmap::fromImage(qtImage(load.image));
    control.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control.setScaledContents(fit == PictureFit::Stretch);
    control.setPixmap(pixmap);
    if (fit == PictureFit::OwnSize) control.resize(pixmap.size());
    return true;
}

namespace {

bool ShowsColour(const QImage& drawn, const QRect& box, const QColor& colour) {
    const QRect inside = box.intersected(drawn.rect());
    const QRgb wanted = colour.rgb();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (drawn.pixel(x, y) == wanted) return true;
    return false;
}

}  // namespace

void SetBackground(QWidget& window, const QColor& colour) {
    QPalette p = window.palette();
    p.setColor(QPalette::Window, colour);
    window.setPalette(p);
    window.setAutoFillBackground(true);
}

void CutOutColour(QWidget& window, const QColor& key) {
    QImage drawn = window.grab().toImage();
    if (drawn.isNull()) return;
    // Smoothed letters drawn straight onto the key colour blend into it at
    // their edges; those pixels are no longer the key, stay in the shape and
    // fringe the text. Such text is drawn sharp; text over pictures stays smooth.
    bool redraw = false;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(&window)) continue;
        const QRect box(label->mapTo(&window, QPoint(0, 0)), label->size());
        if (!ShowsColour(drawn, box, key)) continue;
        QFont font = label->font();
        font.setStyleStrategy(QFont::NoAntialias);
        label->setFont(font);
        redraw = true;
    }
    if (redraw) drawn = window.grab().toImage();
    const QBitmap shape = QBitmap::fromImage(
        drawn.createMaskFromColor(key.rgb(), Qt::MaskInColor));
    window.setMask(shape);
}

}  // namespace morvane
