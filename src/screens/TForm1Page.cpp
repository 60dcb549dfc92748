// The main window showing the core's model: the page, the menu, the info
// lines, the buttons and the countdown.
#include <QUrl>
#include <algorithm>

#include "game/Flow.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"
#include "screens/Controls.h"
#include "screens/Host.h"
#include "screens/PageLayout.h"
#include "screens/QtText.h"
#include "screens/TForm1.h"
#include "shell/GameFilePath.h"
#include "shell/labely/TLELabel.h"

namespace morvane {
namespace {

constexpr int kMenuItemGap = 30;
constexpr int kMenuLeft = 10;
constexpr int kMenuItemWidth = 120;
constexpr int kMenuRightMargin = 6;  // kept free inside the menu frame's right edge
constexpr int kHeadingLeft = 64;
constexpr int kHeadingCentre = 98;

void SetTextColour(QLabel& label, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, colour);
    label.setPalette(p);
}

}  // namespace

void TForm1::Refresh() {
    if (!game_) return;
    historyChanged();
    showButtons();
    showPage();
    showMenu();
}

void TForm1::historyChanged() {
    if (!game_) return;
    for (int i = 0; i < kInfoLines; ++i) {
        const InfoLine& line = game_->historie[static_cast<std::size_t>(i)];
        History[i]->setText(qtText(line.text));
        SetTextColour(*History[i], qtColour(line.barva));
        History[i]->adjustSize();
    }
}

void TForm1::showButtons() {
    const WindowState& okno = game_->okno;
    Shape1->setVisible(SheetOffered(*game_));
    Label1->setVisible(SheetOffered(*game_));
    Shape3->setVisible(InventoryOffered(*game_));
    Label2->setVisible(InventoryOffered(*game_));
    pokracovatFrame->setPen(qtColour(game_->skin.ramecky));
    pokracovatFrame->setVisible(okno.pokracovatVisible);
    pokracovat->setVisible(okno.pokracovatVisible);
    pokracovatFrame->raise();
    pokracovat->raise();
    Label6->setText(qtText(okno.locationLabel));
    Label6->adjustSize();
    Label6->setVisible(!okno.locationLabel.empty());
    TimerLabel->setText(qtText(game_->casovac.label));
    TimerLabel->adjustSize();
}

// The page's controls follow the page: a new location starts a new page at
// the top; within one location elements only come and go at its end (the
// variable lists, the help text).
void TForm1::showPage() {
    const std::vector<PageElement>& elements = game_->hlavni.prvky;
    std::size_t keep = 0;
    if (pageRun_ == game_->behy) {
        keep = std::min(page_.size(), elements.size());
    } else {
        pageRun_ = game_->behy;
        scroll_ = 0;
    }
    if (keep == page_.size() && keep == elements.size()) return;
    clearPage(keep);
    for (std::size_t i = keep; i < elements.size(); ++i) {
        QLabel* control = elements[i].jeText ? makeTextBlock(i) : makePicture(i);
        control->lower();
        control->show();
        page_.push_back(control);
    }
    placePage();
}

void TForm1::clearPage(std::size_t keep) {
    while (page_.size() > keep) {
        // Later: the control may be the one whose click is being handled.
        page_.back()->hide();
        page_.back()->deleteLater();
        page_.pop_back();
    }
}

QLabel* TForm1::makeTextBlock(std::size_t index) {
    const PageText& block = game_->hlavni.prvky[index].text;
    auto* label = new ClickLabel(qtText(block.text), stage_);
    QFont font = qtFont(game_->skin.Maintext, block.tucne, block.kurziva);
    if (block.pevnasirka) font.setFamily(fontFamily("Courier New"));
    font.setUnderline(block.podtrzene);
    font.setStrikeOut(block.preskrtnute);
    label->setFont(font);
    SetTextColour(*label, qtColour(block.barva));
    label->adjustSize();
    if (!block.weblink.empty() || block.odkaz > 0) {
        label->setCursor(Qt::PointingHandCursor);
        label->setProperty(kLinkProperty, true);
    }
    const std::string weblink = block.weblink;
    const std::int32_t odkaz = block.odkaz;
    connect(label, &ClickLabel::clicked, this, [this, weblink, odkaz] {
        if (!weblink.empty()) host_.openWeb(QUrl::fromUserInput(qtText(weblink)));
        // The move waits for the next mouse movement or timer tick, so this
        // label isn't destroyed inside its own click.
        if (game_) ChoosePageLink(*game_, odkaz);
    });
    return label;
}

QLabel* TForm1::makePicture(std::size_t index) {
    const PagePicture& picture = game_->hlavni.prvky[index].obrazek;
    auto* control = new ClickLabel(stage_);
    const std::filesystem::path file = gameFilePath(game_->gameFolder(), picture.soubor);
    // The core gives the size, the picture's own when the page names none.
    control->resize(picture.sirka, picture.vyska);
    LoadPictureInto(*control, file, *this, PictureFit::Stretch);
    if (picture.odkaz > 0) {
        control->setCursor(Qt::PointingHandCursor);
        control->setProperty(kLinkProperty, true);
        const std::int32_t odkaz = picture.odkaz;
        connect(control, &ClickLabel::clicked, this, [this, odkaz] {
            if (game_) ChoosePageLink(*game_, odkaz);
        });
    }
    return control;
}

void TForm1::placePage() {
    std::vector<PageSize> sizes;
    sizes.reserve(page_.size());
    for (const QLabel* control : page_) sizes.push_back({control->width(), control->height()});
    const std::vector<PagePlace> places = PlacePage(game_->hlavni, sizes);
    pageBottom_ = 0;
    for (std::size_t i = 0; i < page_.size() && i < places.size(); ++i)
        pageBottom_ = std::max(pageBottom_, places[i].top + sizes[i].height);
    scroll_ = std::clamp(scroll_, lastScroll(), 0);
    for (std::size_t i = 0; i < page_.size() && i < places.size(); ++i)
        page_[i]->move(places[i].left, places[i].top + scroll_);
    showScrollMarker();
}

// The menu labels belong to the location run that built them; after a
// loaded position only the heading shows until the player continues.
void TForm1::showMenu() {
    const stavhry& s = game_->stavhry;
    const std::string otazka = s.otazka.str();
    // A heading given by a script is roughly centred over the menu by its
    // number of characters; until then it keeps its designed place.
    const int left = game_->okno.headingByLength
                         ? kHeadingCentre - 3 * static_cast<int>(otazka.size())
                         : kHeadingLeft;
    Menu->setText(qtText(otazka));
    SetTextColour(*Menu, qtColour(s.barvaotazky));
    Menu->adjustSize();
    Menu->move(left, Menu->y());
    const bool visible = game_->okno.menuVisible;
    Menu->setVisible(visible);
    Shape2->setVisible(visible);
    if (!visible) {
        for (TLELabel* label : menu_) label->hide();
        return;
    }
    if (menuRun_ == game_->behy) return;
    menuRun_ = game_->behy;
    for (TLELabel* label : menu_) {
        label->hide();
        label->deleteLater();
    }
    menu_.clear();
    const std::int32_t count = std::clamp<std::int32_t>(s.pocetpolozek, 0, kMenuItems);
    const QFont font = qtFont(game_->skin.MenuFont);
    int top = Menu->y();
    for (std::int32_t j = 1; j <= count; ++j) {
        const polozkamenu& item = s.menu[static_cast<std::size_t>(j - 1)];
        auto* label = new TLELabel(stage_, game_);
        top += kMenuItemGap;
        label->setGeometry(kMenuLeft, top, kMenuItemWidth, label->height());
        label->setFont(font);
        SetTextColour(*label, qtColour(item.barva));
        label->setText(qtText(MenuCaption(*game_, j)));
        // A long item is shortened so that its black background stays inside the frame.
        FitWidth(*label, Shape2->width() - kMenuLeft - kMenuRightMargin);
        label->Barva1 = label->Barva2 = Qt::black;
        label->setBackground(Qt::black);
        label->link = item.cil;
        label->setCursor(item.cil > 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        label->hoverUnderline = item.cil > 0;
        connect(label, &TLELabel::clicked, this,
                [this, j] { run([this, j] { ChooseMenuItem(*game_, j); }); });
        label->show();
        menu_.push_back(label);
    }
    // The frame stays where it was made: over the page (whose controls go to
    // the back), under the heading and the items.
    Shape2->resize(Shape2->width(), kMenuItemGap * count + 40);
}

}  // namespace morvane
