#pragma once
// A borderless modal window that only its own controls close: Alt+F4 and
// Esc are ignored.
#include <QDialog>

namespace morvane {

class BorderlessDialog : public QDialog {
    Q_OBJECT
public:
    explicit BorderlessDialog(QWidget* parent = nullptr);
    // Closes the window (ends its modal loop).
    void finish();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool finishing_ = false;
};

}  // namespace morvane
