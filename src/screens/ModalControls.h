#pragma once
// What the modal screens share: the game's common modal look applied to a
// window, centring over the main window, captions at fixed places, and the
// interface pictures of the game's "grafika" folder.
#include <QColor>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <initializer_list>
#include <string_view>

#include "shell/ModalLook.h"

namespace morvane {

struct Game;
class TShape;
class TLELabel;

// A font of the screens, its size in pixels as the screens are designed.
QFont pixelFont(std::string_view face, int pixels, bool bold = false, bool italic = false,
                bool underline = false);

// A caption: plain, transparent text at (x, y), sized to its text.
QLabel* MakeCaption(QWidget* parent, const QString& text, int x, int y, const QFont& font,
                    const QColor& colour = Qt::black);

// Sets a caption's text and colour and resizes it to fit.
void SetCaption(QLabel& label, const QString& text, const QColor& colour);
void SetCaption(QLabel& label, const QString& text);

// A title centred across a window `width` wide, with the money line centred
// under it, as the shop and the sell screen show them.
void SetTitleAndMoney(QLabel& title, const QString& titleText, QLabel& money,
                      const QString& moneyText, int width);

// A line of a list screen: a link label with no background of its own, so
// the screen's picture shows through it.
TLELabel* MakeListLine(QWidget* parent, const QFont& font);

// Colour of the window and, after its controls are filled, the see-through
// cut when the skin asks for it. Call CutOut last, once everything is drawn.
void ApplyLook(QWidget& window, const ModalLook& look);
void CutOut(QWidget& window, const ModalLook& look);

// The black panels of a screen, outlined in the skin's frame colour when it has one.
void FramePanels(std::initializer_list<TShape*> panels, const ModalLook& look);

// A key the player typed, for screens that any key closes: pressing Alt,
// Shift or Ctrl alone is not typing, and Alt+F4 never closes a modal screen.
bool IsTypedKey(const QKeyEvent& event);

// Places `window` in the middle of `main` (the main window); without one, in
// the middle of the screen. It never starts above or left of the screen.
void CentreOver(QWidget& window, const QWidget* main);

// Loads the interface picture `name` (Windows-1250) into a picture control;
// a picture that can't be loaded is reported and leaves the control empty.
bool LoadSkinPicture(QLabel& control, Game& game, std::string_view name, bool ownSize = false);

}  // namespace morvane
