#pragma once
// A borderless modal window that only its own controls close: Alt+F4 and
// Esc are ignored unless the window gives them a meaning. Tab reaches the
// window's key handler instead of moving the input focus.
#include <QDialog>

#include "screens/KeyWalk.h"

namespace morvane {

class BorderlessDialog : public QDialog {
    Q_OBJECT
public:
    explicit BorderlessDialog(QWidget* parent = nullptr);
    // Closes the window (ends its modal loop).
    void finish();

    // The screen's controls played from the keyboard.
    KeyWalk keys{*this};

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Tab and Enter walk and click the controls; other keys as a dialog takes them.
    void keyPressEvent(QKeyEvent* event) override;
    // A key that stands for a control: the control is clicked when shown.
    // True when the key was `key`.
    bool pressOn(const QKeyEvent& event, int key, QWidget* control);
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool finishing_ = false;
};

}  // namespace morvane
