#pragma once
// The combat screen ("Souboj"): the enemy's and the hero's values over the
// battle picture, one link label per learned attack, the item and spell
// buttons with their list on the right panel, and the three report areas at
// the bottom. It shows DescribeFight and passes every hover and click to the
// fight's operations; it closes when the fight is no longer open.
#include <functional>
#include <vector>

#include "combat/FightView.h"
#include "screens/GameScreen.h"

class QLabel;

namespace morvane {

struct Game;
class ClickLabel;
class TShape;
class TLELabel;

class TSouboj : public GameScreen {
    Q_OBJECT
public:
    TSouboj();
    // Prepares the screen for the fight the core has opened and shows it
    // modally, centred on `main`, while the fight is open. The end of the game
    // inside the fight passes on to the caller once the window is closed.
    void ShowFight(Game& game, const QWidget* main = nullptr);
    // Everything ShowFight does before it waits.
    void Prepare(Game& game, const QWidget* main);
    // Shows the fight's state now.
    void Refresh();

    // The controls, by the names the game's designers gave them.
    ClickLabel* Image1;
    TShape *Shape1, *Shape2;
    QLabel *Jmeno, *Jmeno_hrac;
    QLabel *Label12, *Label13, *Label14, *Label25, *Label26;
    QLabel *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label27, *Label28;
    ClickLabel *Label29, *Label11;
    QLabel *Label30, *Label31, *Label32;
    QLabel *Popis_akce, *Popis_akce_cost, *Summary1, *Summary2, *Summary3;

    // The run-time labels: one per learned attack, and the open list's lines.
    const std::vector<TLELabel*>& actionLabels() const { return actions_; }
    const std::vector<TLELabel*>& listLabels() const { return list_; }

protected:
    // Digits choose an attack, P and K open the item and spell lists, Tab
    // walks everything, Esc clicks the picture (which ends a fight that is over).
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Every move over an action or list line shows its hover again, so the
    // ranges and unmet conditions follow what a round or an item changed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createValueArea();
    void createReportArea();
    void makeActionLabels(const FightView& view);
    void showList(const FightList& list);
    void clearList();
    // Runs a fight operation: the end of the game closes the window; a closed
    // fight closes it too; otherwise the screen shows the new state.
    void act(const std::function<void(Game&)>& operation);

    std::vector<TLELabel*> actions_;
    std::vector<TLELabel*> list_;
    FightList shownList_;
};

}  // namespace morvane
