// The window program's start as the window benchmark times it: the same
// steps as `morvane --window GAME` up to the main menu, then one line on
// standard output once the menu has been painted, and the end. With --empty
// it shows a plain window of the menu's size instead: the toolkit's own
// start, the floor the menu is compared with.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

#include "screens/Host.h"
#include "screens/Program.h"
#include "screens/TForm8.h"

namespace {

// Says so once the first paint of the watched window has been done.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) : window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so it runs once this paint is done and on the screen.
            QTimer::singleShot(0, [] {
                std::puts("drawn");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--empty") == 0) {
        QWidget plain;
        plain.resize(240, 400);  // the size of the main menu
        const FirstPaint watch(plain);
        plain.show();
        return app.exec();
    }
    if (argc != 2) return 2;
    morvane::Host host;
    morvane::ProgramOptions options;
    options.gameFolder = argv[1];
    options.window = true;
    morvane::Program program(host, options);
    if (!program.ok()) return 1;
    const FirstPaint watch(program.menu());
    program.show();
    return app.exec();
}
