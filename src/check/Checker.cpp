#include "check/Checker.h"

#include "base/Platform.h"
#include "check/FolderCheck.h"
#include "check/QuietFrontend.h"
#include "check/Reach.h"
#include "check/StoryCheck.h"
#include "check/TableCheck.h"
#include "game/Game.h"

namespace morvane::check {

CheckReport CheckGame(const std::filesystem::path& folder) {
    CheckReport report;
    report.facts.folder = folder;
    report.definice = CheckDefinition(folder, report.findings);
    CheckFolderFiles(folder, report.findings);

    QuietFrontend quiet;
    const auto clock = makeSystemClock();
    const auto random = makeSeededRandom(0);
    Game game(quiet, *clock, *random);
    game.pribeh.soubory.gameFolder = folder;
    if (report.definice) {
        game.definice = *report.definice;
        game.pribeh.soubory.nazevhry = game.definice.nazevhry.str();
    }
    CheckTables(game, report.facts, report.findings);
    CheckStory(game.pribeh.soubory, report.facts, report.findings, report.graph);
    CheckReach(report.graph, report.findings);
    return report;
}

}  // namespace morvane::check
