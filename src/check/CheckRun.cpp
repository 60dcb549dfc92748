#include "check/CheckRun.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <thread>

#include "base/Win1250.h"
#include "check/Checker.h"
#include "check/FolderCheck.h"
#include "check/RandomReportText.h"
#include "check/StoryMap.h"

namespace morvane::check {

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path folder = options.gameFolder;
    if (!IsGameFolder(folder)) {
        err << "morvane-check: " << options.gameFolder << " is not a game folder (no data folder)\n";
        return 2;
    }
    CheckReport report = CheckGame(folder);
    if (options.map) {
        const std::string title = report.definice ? toUtf8(report.definice->titulhry.str()) : "";
        const std::string error = WriteStoryMap(report.graph, title, *options.map);
        if (!error.empty()) {
            err << "morvane-check: " << error << "\n";
            return 2;
        }
    }
    if (options.random && report.definice) {
        RandomSettings settings;
        settings.plays = *options.random;
        settings.seed = options.seed;
        settings.threads = std::max(2u, std::thread::hardware_concurrency());
        const auto start = std::chrono::steady_clock::now();
        const RandomReport played = PlayAtRandom(folder, *report.definice, settings);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (played.plays < settings.plays)
            err << "morvane-check: only " << played.plays << " of " << settings.plays
                << " random plays ran (the game folder could not be copied, or a play failed)\n";
        AddRandomFindings(played, report.graph, options.gameFolder, report.findings);
        PrintRandomSummary(played, report.graph, took.count(), options.json, out);
    }
    if (options.random && !report.definice)
        err << "morvane-check: no random plays without a readable data/inicializace.vrn\n";
    std::size_t warnings = 0, errors = 0;
    for (const Finding& f : report.findings.sorted()) {
        out << (options.json ? FindingJson(f) : FindingLine(f)) << "\n";
        (f.severity == Severity::Warning ? warnings : errors) += 1;
    }
    if (!options.json)
        err << "morvane-check: " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
            << (warnings == 1 ? " warning" : " warnings") << "\n";
    return errors > 0 ? 1 : 0;
}

}  // namespace morvane::check
