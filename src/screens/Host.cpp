#include "screens/Host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMetaObject>

namespace morvane {

void Host::message(QWidget* over, const QString& text) {
    QMessageBox::information(over, QApplication::applicationDisplayName(), text);
}

void Host::error(QWidget* over, const QString& text) {
    QMessageBox::critical(over, QApplication::applicationDisplayName(), text);
}

void Host::openWeb(const QUrl& address) { QDesktopServices::openUrl(address); }

void Host::quit() {
    // Queued, so that the handler running now (a location run, a click)
    // finishes first; exit() then leaves every nested modal loop too.
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace morvane
