#pragma once
// The window program over a small game folder, with a host that records
// message boxes, web addresses and the end of the program instead of
// waiting for a person.
#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>
#include <memory>
#include <string_view>
#include <vector>

#include "screens/Host.h"
#include "screens/Program.h"
#include "screens/TForm1.h"
#include "support/GameFolder.h"

namespace morvane::test {

// Every modal window still open is closed, leaving its loop.
inline void CloseModalWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) dialog->done(0);
}

class RecordingHost : public Host {
public:
    void message(QWidget*, const QString& text) override { messages.push_back(text); }
    void error(QWidget*, const QString& text) override { errors.push_back(text); }
    void openWeb(const QUrl& address) override { web.push_back(address); }
    // As the program does, once control is back in the event loop: every
    // modal window closes.
    void quit() override {
        ++quits;
        QTimer::singleShot(0, &context_, CloseModalWindows);
    }

    std::vector<QString> messages, errors;
    std::vector<QUrl> web;
    int quits = 0;

private:
    QObject context_;  // a closing still waiting dies with the test
};

// Closes whatever modal window is still open if a test goes wrong, so that
// it fails instead of waiting for ever. It ends with the test: one left
// running would close the windows of a later test.
struct Watchdog {
    Watchdog() { QTimer::singleShot(5000, &context, CloseModalWindows); }
    QObject context;
};

// A one-colour picture file, the format following the extension; its top
// left corner of `corner` pixels square is the see-through fuchsia.
inline void WritePicture(const std::filesystem::path& file, QColor colour, int w = 20, int h = 10,
                         int corner = 0) {
    std::filesystem::create_directories(file.parent_path());
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    for (int y = 0; y < corner; ++y)
        for (int x = 0; x < corner; ++x) image.setPixelColor(x, y, QColor(255, 0, 255));
    image.save(QString::fromStdString(file.string()));
}

struct Screens {
    // The game folder has the main menu's pictures.
    explicit Screens(std::string_view story) : folder(story) {
        for (const char* name : {"menu", "tlacitko_1", "tlacitko_2", "tlacitko_3", "tlacitko_4",
                                 "titulek"})
            WritePicture(folder.path() / "grafika" / (std::string(name) + ".png"), Qt::darkRed);
    }

    // Creates the program (the main menu reads the folder now); no audio device.
    Program& create() {
        program = std::make_unique<Program>(host, ProgramOptions{1, folder.path()});
        program->main().setAudioOpener({});
        return *program;
    }
    // The main window shown (not modally) and a game started in it.
    TForm1& start() {
        if (!program) create();
        TForm1& main = program->main();
        main.show();
        main.Inicializace();
        return main;
    }

    GameFolder folder;
    RecordingHost host;
    std::unique_ptr<Program> program;
};

// The pointer entering a control, and a left click on it.
inline void Enter(QWidget* w) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(w, &event);
}

inline void Click(QWidget* w) {
    const QPointF at(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

inline void MoveOver(QWidget* w) {
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

}  // namespace morvane::test
