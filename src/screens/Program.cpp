#include "screens/Program.h"

#include <QGuiApplication>
#include <QScreen>

#include "game/Game.h"
#include "screens/Stage.h"
#include "screens/TForm1.h"
#include "screens/TForm10.h"
#include "screens/TForm12.h"
#include "screens/TForm13.h"
#include "screens/TForm14.h"
#include "screens/TForm15.h"
#include "screens/TForm2.h"
#include "screens/TForm8.h"
#include "screens/TForm9.h"
#include "screens/TInventory.h"
#include "screens/TObchod.h"
#include "screens/TProdej.h"
#include "screens/TSaveForm.h"
#include "screens/TSouboj.h"

namespace morvane {

Program::Program(Host& host, const ProgramOptions& options) {
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Morvane"));
    clock_ = makeSystemClock();
    random_ = options.seed ? makeSeededRandom(*options.seed) : makeClockSeededRandom();
    form1_ = std::make_unique<TForm1>(host);
    game_ = std::make_unique<Game>(*form1_, *clock_, *random_);
    game_->pribeh.soubory.gameFolder = options.gameFolder;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const Stage stage = GameStage(screen->geometry(), options.window);
        game_->screenWidth = stage.area.width();
        game_->screenHeight = stage.area.height();
        form1_->setStage(stage.area, stage.backdrop, options.window);
    }
    form2_ = std::make_unique<TForm2>();
    souboj_ = std::make_unique<TSouboj>();
    inventory_ = std::make_unique<TInventory>();
    obchod_ = std::make_unique<TObchod>();
    form10_ = std::make_unique<TForm10>();
    saveForm_ = std::make_unique<TSaveForm>();
    form15_ = std::make_unique<TForm15>();
    prodej_ = std::make_unique<TProdej>();
    form9_ = std::make_unique<TForm9>(*game_, host);
    form12_ = std::make_unique<TForm12>();
    form13_ = std::make_unique<TForm13>();
    form14_ = std::make_unique<TForm14>(*game_, *form1_);
    form1_->attach(*game_, {form12_.get(), form13_.get(), souboj_.get(), form2_.get(),
                            saveForm_.get(), form15_.get(), inventory_.get(), obchod_.get(),
                            prodej_.get()});
    form8_ = std::make_unique<TForm8>(*game_, host,
                                      TForm8::Screens{form1_.get(), form9_.get(), form14_.get(),
                                                      form10_.get()});
    ok_ = form8_->FormCreate();
}

Program::~Program() {
    // The windows go before the game they show.
    form8_.reset();
    form14_.reset();
    form13_.reset();
    form12_.reset();
    form9_.reset();
    souboj_.reset();
    prodej_.reset();
    obchod_.reset();
    inventory_.reset();
    form15_.reset();
    saveForm_.reset();
    form10_.reset();
    form2_.reset();
    form1_->Timer.stop();
    game_.reset();
}

void Program::show() { form8_->show(); }

}  // namespace morvane
