#pragma once
// The story map: every location and the links between them as a Graphviz
// graph, with unreachable locations, dead ends and broken links in colour,
// endings and deaths in shapes of their own.
#include <filesystem>
#include <string>

#include "check/StoryGraph.h"

namespace morvane::check {

// The graph in the DOT language (UTF-8).
std::string StoryMapDot(const StoryGraph& graph, const std::string& title);

// Writes the map to `file`: laid out as SVG when the name ends in ".svg",
// else as DOT. The error's text (empty on success).
std::string WriteStoryMap(const StoryGraph& graph, const std::string& title,
                          const std::filesystem::path& file);

}  // namespace morvane::check
