#include "screens/Controls.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <utility>

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

namespace {

// On a scaled screen the toolkit would scale a picture smoothly as it draws
// it, blending the see-through colour into its neighbours: those blended
// pixels are no longer the key, stay inside the window's shape and fringe
// it pink. Scaled here pixel by pixel, the picture is drawn as it is.
QPixmap AtDevicePixels(const QPixmap& picture, double ratio) {
    if (ratio == 1.0 || picture.isNull()) return picture;
    const QSize device(static_cast<int>(std::lround(picture.width() * ratio)),
                       static_cast<int>(std::lround(picture.height() * ratio)));
    QPixmap scaled = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

}  // namespace

bool LoadPictureInto(QLabel& control, const std::filesystem::path& file, Frontend& frontend,
                     PictureFit fit) {
    const PictureLoad load = LoadPicture(file);
    if (!load.ok()) {
        control.setPixmap(QPixmap());
        frontend.reportError(load.error);
        return false;
    }
    QPixmap pixmap = QPixmap::fromImage(qtImage(load.image));
    const QSize size = pixmap.size();
    if (fit != PictureFit::Stretch) pixmap = AtDevicePixels(pixmap, control.devicePixelRatioF());
    control.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control.setScaledContents(fit == PictureFit::Stretch);
    control.setPixmap(pixmap);
    if (fit == PictureFit::OwnSize) control.resize(size);
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

// The window as drawn, one pixel per pixel of its own coordinates. On a
// scaled screen the toolkit shows window pixel x on the device pixels from
// round(x * ratio) up to round((x + 1) * ratio), the way it scales the
// shape too: a window pixel counts as the key when any of those is, so that
// no trace of the key stays inside the shape.
QImage DrawnInWindowPixels(QWidget& window, const QColor& key) {
    const QPixmap grabbed = window.grab();
    const double ratio = grabbed.devicePixelRatio();
    QImage device = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    if (device.isNull() || ratio == 1.0) return device;
    const QSize size = window.size();
    QImage drawn(size, QImage::Format_RGB32);
    const QRgb wanted = key.rgb() | 0xFF000000u;
    const auto span = [ratio](int at, int limit) {
        const auto device = [ratio](int x) { return static_cast<int>(std::floor(x * ratio + 0.5)); };
        const int from = std::clamp(device(at), 0, limit - 1);
        return std::pair{from, std::clamp(device(at + 1), from + 1, limit)};
    };
    for (int y = 0; y < size.height(); ++y) {
        const auto [top, bottom] = span(y, device.height());
        auto* out = reinterpret_cast<QRgb*>(drawn.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const auto [left, right] = span(x, device.width());
            QRgb pixel = device.pixel(left, top);
            for (int dy = top; dy < bottom && pixel != wanted; ++dy) {
                const auto* line = reinterpret_cast<const QRgb*>(device.constScanLine(dy));
                for (int dx = left; dx < right; ++dx)
                    if ((line[dx] | 0xFF000000u) == wanted) pixel = wanted;
            }
            out[x] = pixel;
        }
    }
    return drawn;
}

}  // namespace

void FitWidth(QLabel& label, int width) {
    label.adjustSize();
    if (label.width() <= width) return;
    label.setToolTip(label.text());
    label.setText(label.fontMetrics().elidedText(label.text(), Qt::ElideRight, width));
    label.adjustSize();
    label.resize(std::min(label.width(), width), label.height());
}

void SetBackground(QWidget& window, const QColor& colour) {
    QPalette p = window.palette();
    p.setColor(QPalette::Window, colour);
    window.setPalette(p);
    window.setAutoFillBackground(true);
}

void CutOutColour(QWidget& window, const QColor& key) {
    QImage drawn = DrawnInWindowPixels(window, key);
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
    if (redraw) drawn = DrawnInWindowPixels(window, key);
    const QBitmap shape = QBitmap::fromImage(
        drawn.createMaskFromColor(key.rgb(), Qt::MaskInColor));
    window.setMask(shape);
}

}  // namespace morvane
