#include "screens/BorderlessDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace morvane {

BorderlessDialog::BorderlessDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setModal(true);
}

void BorderlessDialog::finish() {
    finishing_ = true;
    done(QDialog::Accepted);
    finishing_ = false;
}

void BorderlessDialog::closeEvent(QCloseEvent* event) {
    if (finishing_) event->accept();
    else event->ignore();
}

void BorderlessDialog::keyPressEvent(QKeyEvent* event) {
    if (!keys.handle(*event)) QDialog::keyPressEvent(event);
}

bool BorderlessDialog::pressOn(const QKeyEvent& event, int key, QWidget* control) {
    if (event.key() != key || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (control && control->isVisible()) KeyWalk::Press(control);
    return true;
}

void BorderlessDialog::reject() {
    if (finishing_) QDialog::reject();
}

}  // namespace morvane
