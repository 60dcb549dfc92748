#pragma once
// What random playthroughs found, told the way the rest of the check is:
// problems and never-visited places as findings, figures as summary lines.
#include <iosfwd>
#include <string>

#include "check/Findings.h"
#include "check/RandomPlay.h"
#include "check/StoryGraph.h"

namespace morvane::check {

// Adds a finding for every problem met (with its route), every location
// never reached and every menu item never taken.
void AddRandomFindings(const RandomReport& report, const StoryGraph& graph,
                       const std::string& gameFolder, Findings& findings);

// The coverage and the endings: lines of text, or one JSON object.
void PrintRandomSummary(const RandomReport& report, const StoryGraph& graph, double seconds,
                        bool json, std::ostream& out);

// The shell command that replays a problem's route in morvane-text.
std::string ReplayCommand(const PlayProblem& problem, const std::string& gameFolder);

}  // namespace morvane::check
