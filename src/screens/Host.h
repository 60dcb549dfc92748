#pragma once
// What the windows ask of the program around them: message boxes, the web
// browser, ending the program. The program uses the desktop's; tests put a
// recorder in its place so that nothing waits for a person.
#include <QString>
#include <QUrl>

class QWidget;

namespace morvane {

class Host {
public:
    virtual ~Host() = default;
    // A modal message box with one OK button.
    virtual void message(QWidget* over, const QString& text);
    // The general error report.
    virtual void error(QWidget* over, const QString& text);
    // Opens a web address with the desktop's handler.
    virtual void openWeb(const QUrl& address);
    // Ends the program once control is back in the event loop, leaving
    // every modal window open now.
    virtual void quit();
};

}  // namespace morvane
