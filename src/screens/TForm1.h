#pragma once
// The main window, in which the whole game is played: the page in the
// middle, the menu on the left, the info lines at the bottom, the buttons at
// the top left. It is also the core's front end: every message, report and
// modal screen the core asks for is opened from here.
#include <QDialog>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "game/Frontend.h"
#include "screens/KeyWalk.h"
#include "shell/AudioCommands.h"

class QLabel;

namespace morvane {

struct Game;
class Host;
class ClickLabel;
class TShape;
class TLELabel;
class TForm12;
class TForm13;
class TSouboj;
class TForm2;
class TSaveForm;
class TForm15;
class TInventory;
class TObchod;
class TProdej;

class TForm1 : public QDialog, public Frontend {
    Q_OBJECT
public:
    explicit TForm1(Host& host);
    ~TForm1() override;

    // The windows the core may open from here. The game must outlive the window's use.
    struct Screens {
        TForm12* death = nullptr;
        TForm13* picture = nullptr;
        TSouboj* fight = nullptr;
        TForm2* sheet = nullptr;
        TSaveForm* save = nullptr;
        TForm15* audio = nullptr;
        TInventory* inventory = nullptr;
        TObchod* shop = nullptr;
        TProdej* sell = nullptr;
    };
    void attach(Game& game, Screens screens);
    // Where the game stands on the screen; with a `backdrop` the window
    // covers the rest of the screen black; a `framed` window has the
    // desktop's frame.
    void setStage(const QRect& area, bool backdrop, bool framed);
    // How the audio device is opened at each start-up (tests open none).
    void setAudioOpener(AudioBackendOpener opener) { audioOpener_ = std::move(opener); }

    // Shows the window modally; its start-up runs as soon as it is shown.
    int ShowModal();
    // The start-up of a game: audio, skin, layout, then a new game at
    // location 1 or the position the load dialog chose, with its continue button.
    void Inicializace();
    // Shows the core's model: page, menu, info lines, buttons, countdown.
    void Refresh();

    // Button handlers.
    void KonecClick();
    void NapovedaClick();
    void PostavaClick();
    void VybaveniClick();
    void Label5Click();
    void PokracovatClick();

    // Frontend.
    void showMessage(const std::string& text) override;
    void reportError(const std::string& text) override;
    void historyChanged() override;
    void traceLine(const std::string& line) override;
    void closeSideScreens() override;
    void showDeath() override;
    void showFight() override;
    void showSave() override;
    void showShop() override;
    void showSell() override;
    void showPicture(const std::string& file, std::int32_t width, std::int32_t height,
                     bool ownSize, const std::string& caption) override;
    void audioPlayed(const AudioEvent& event) override;

    // The controls, by the names the game's designers gave them.
    TShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5, *Shape6, *Zprava_ramecek;
    ClickLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QLabel *Label6, *TimerLabel, *Menu, *Zprava;
    std::array<QLabel*, 5> History{};  // History1 (newest, lowest) to History5
    TShape* pokracovatFrame = nullptr;
    ClickLabel* pokracovat = nullptr;
    // Shown while the page goes on below the info area; a click scrolls.
    TShape* dalsiFrame = nullptr;
    ClickLabel* dalsi = nullptr;
    QTimer Timer;
    // The game's area of the window, which holds every control.
    QWidget& stage() { return *stage_; }
    // Tab and Shift+Tab walk the continue button, the page's links and the menu.
    KeyWalk keys{*this};

    // What the page and the menu show now, in page and menu order.
    const std::vector<QLabel*>& pageControls() const { return page_; }
    const std::vector<TLELabel*>& menuLabels() const { return menu_; }
    std::int32_t scrollOffset() const { return scroll_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool focusNextPrevChild(bool) override { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void applySkin();
    void layOut();
    // Runs a core operation from an event handler: the end of the game and
    // failures stop here, and the window shows what the operation changed.
    void run(const std::function<void()>& operation);
    void scrollPage(std::int32_t pixels);
    // The lowest scroll offset: the end of the page just above the info area.
    std::int32_t lastScroll() const;
    void showScrollMarker();
    void bringIntoView(QWidget* control);
    // The key's own meaning on the main window: choices, buttons, scrolling.
    bool shortcut(const QKeyEvent& event);
    std::vector<QWidget*> walkable() const;

    void showButtons();
    void showPage();
    void clearPage(std::size_t keep);
    QLabel* makeTextBlock(std::size_t index);
    QLabel* makePicture(std::size_t index);
    void placePage();
    void showMenu();

    // Marks the page controls that lead somewhere.
    static constexpr const char* kLinkProperty = "odkaz";

    Host& host_;
    Game* game_ = nullptr;
    QRect stageArea_;   // where the game stands on the screen
    QRect windowArea_;  // the window: the stage, or the whole screen around it
    QWidget* stage_ = nullptr;  // holds every control
    Screens screens_;
    AudioBackendOpener audioOpener_;
    bool ended_ = false;     // the game is over: nothing more goes to the core
    bool closing_ = false;   // the program closes the window itself
    std::vector<QLabel*> page_;
    std::vector<TLELabel*> menu_;
    std::uint64_t pageRun_ = 0;   // the location run the page shows
    std::uint64_t menuRun_ = 0;   // the location run the menu labels belong to
    std::int32_t scroll_ = 0;
    std::int32_t pageBottom_ = 0;  // below the page's lowest element, unscrolled
    int wheelAngle_ = 0;  // wheel turning not yet a whole notch (fine-stepping wheels)
};

}  // namespace morvane
