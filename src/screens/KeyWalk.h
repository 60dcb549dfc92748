#pragma once
// Playing a screen from the keyboard: the controls a player could click are
// walked with Tab and Shift+Tab (and the arrows where the screen has no
// other use for them), a frame shows the one reached, and Enter or Space
// clicks it. Reaching a control is the pointer entering it and clicking is a
// left click, so a key always does exactly what the mouse does there.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QKeyEvent;

namespace morvane {

class KeyWalk {
public:
    explicit KeyWalk(QWidget& window);
    KeyWalk(const KeyWalk&) = delete;
    KeyWalk& operator=(const KeyWalk&) = delete;

    // The controls in walking order; hidden ones are passed over.
    std::function<std::vector<QWidget*>()> controls;
    // The arrows walk too (screens that scroll with them say no).
    bool arrows = true;

    // Tab, Shift+Tab, the arrows, Enter and Space; true when the key was used.
    // Enter and Space are only used while a control is reached.
    bool handle(const QKeyEvent& event);
    // Called with the control about to be reached, before the pointer enters it.
    std::function<void(QWidget*)> onReach;

    // Reaches `control` (nothing: no control is reached); without `hover`
    // only the frame shows it.
    void reach(QWidget* control, bool hover = true);
    // Reaches the next (or previous) control, the first (last) one when none is.
    void step(bool forward);
    QWidget* reached() const;

    // The pointer entering `control` and resting on it, as the mouse does.
    static void Hover(QWidget* control);
    static void Unhover(QWidget* control);
    // The pointer entering `control` and a left click on it.
    static void Press(QWidget* control);

private:
    std::vector<QWidget*> walkable() const;

    QWidget& window_;
    QPointer<QWidget> reached_;
    QPointer<QWidget> frame_;
};

// Digits choose the k-th item of a numbered list: 1 to 9 and 0 for the
// tenth, on the top row of a Czech keyboard too (+ and ě to é). 0 for none.
int ChoiceNumber(const QKeyEvent& event);

}  // namespace morvane
