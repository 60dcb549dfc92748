#include "screens/BorderlessDialog.h"

#include <QCloseEvent>

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

void BorderlessDialog::reject() {
    if (finishing_) QDialog::reject();
}

}  // namespace morvane
