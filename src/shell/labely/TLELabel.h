#pragma once
// The link label: a label that leads somewhere. Menu items and the entries of
// list screens are link labels. The label tells the game when the pointer
// enters or leaves it (PointAtLink, PointAway), so the game knows where a
// click goes and which entry is meant.
#include <QColor>
#include <QLabel>
#include <QTimer>
#include <cstdint>
#include <functional>

namespace morvane {

struct Game;

class TLELabel : public QLabel {
    Q_OBJECT
public:
    // `game` receives the label's target and entry while the pointer is over
    // it; a label without a game only changes its looks.
    explicit TLELabel(QWidget* parent = nullptr, Game* game = nullptr);

    // Blinking alternates the background between Barva1 and Barva2 every
    // Interval milliseconds; switching it off leaves the background Barva1.
    bool Blikani() const { return blikani_; }
    void setBlikani(bool on);
    int Interval() const { return blink_.interval(); }
    void setInterval(int milliseconds) { blink_.setInterval(milliseconds); }

    // The background shown now.
    QColor background() const;
    void setBackground(const QColor& colour);

    QColor Barva1;        // background under the pointer; blink colour 1
    QColor Barva2;        // background elsewhere; blink colour 2
    std::int32_t link = 0;  // target location
    std::int32_t idx = 0;   // entry number on list screens
    bool hoverUnderline = true;
    // Called first when the pointer enters or leaves.
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setUnderline(bool on);

    Game* game_;
    QTimer blink_;
    bool blikani_ = false;
    bool phase_ = false;
};

}  // namespace morvane
