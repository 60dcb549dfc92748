#pragma once
// The small controls the screens are built from: outlined frames, labels and
// pictures that answer clicks and pointer movement.
#include <QLabel>
#include <QWidget>
#include <filesystem>
#include <string>

namespace morvane {

class Frontend;

// A frame: an outlined rectangle (or rounded rectangle) with a fill.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent, bool rounded = false);
    void setPen(const QColor& colour);
    void setBrush(const QColor& colour);
    QColor pen() const { return pen_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool rounded_;
    QColor pen_{Qt::black};
    QColor brush_{Qt::black};
};

// A label or a picture that reports clicks and the pointer moving over it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent);
    // A caption: plain text, transparent background.
    ClickLabel(const QString& text, QWidget* parent);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// How a picture control holds its picture.
enum class PictureFit {
    OwnSize,  // the control takes the picture's size
    Stretch,  // the picture fills the control's size
    Clip,     // the control keeps its size; the picture starts at its top left
};

// Loads a picture file into a picture control, which keeps its place. A
// picture that can't be loaded goes to the general error report and the
// control stays empty. Returns whether it loaded.
bool LoadPictureInto(QLabel& control, const std::filesystem::path& file, Frontend& frontend,
                     PictureFit fit = PictureFit::OwnSize);

// Shortens a label's text with an ellipsis until it is at most `width`
// pixels wide; the whole text becomes its tooltip.
void FitWidth(QLabel& label, int width);

// Colours a window's background.
void SetBackground(QWidget& window, const QColor& colour);

// Makes the parts of a window drawn in `key` see-through: the window takes
// the shape of what it shows.
void CutOutColour(QWidget& window, const QColor& key);

}  // namespace morvane
