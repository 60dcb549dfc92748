#include "check/StoryMap.h"

#include <graphviz/gvc.h>

#include <fstream>
#include <sstream>

#include "base/Files.h"
#include "base/Win1250.h"

namespace morvane::check {
namespace {

std::string dotQuoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string nodeId(std::size_t unit, std::int32_t cislo) {
    return dotQuoted("u" + std::to_string(unit) + "_" + std::to_string(cislo));
}

std::string nodeLook(const LocationNode& node) {
    std::string shape = "circle", fill = "white", line = "black", font = "black";
    if (node.konec) shape = "doublecircle", fill = "#c8f0c8";
    if (node.smrt && node.links.empty() && !node.konec) shape = "octagon", fill = "#f0c0c0";
    if (node.cislo == 1 && node.unit == 0) shape = "house";
    if (node.deadEnd) fill = "#ffd27f", line = "#d04000";
    if (!node.reachable) fill = "#e0e0e0", line = "#a0a0a0", font = "#707070";
    return "shape=" + shape + " style=filled fillcolor=" + dotQuoted(fill) + " color=" + dotQuoted(line) +
           " fontcolor=" + dotQuoted(font);
}

std::string edgeLook(const Link& link) {
    std::string look;
    if (link.kind == LinkKind::Text || link.kind == LinkKind::Picture) look = "style=dashed";
    if (link.kind == LinkKind::Countdown) look = "style=dotted label=\"časovač\" fontsize=8";
    if (link.kind == LinkKind::Save) look = "style=dotted color=gray";
    if (link.broken) look += " color=red fontcolor=red penwidth=2";
    return look;
}

void legend(std::ostringstream& dot) {
    dot << "  subgraph cluster_legend {\n    label=\"Legenda\" fontsize=10 color=gray\n"
        << "    node [fontsize=9 width=0.3]\n"
        << "    leg1 [label=\"začátek\" shape=house style=filled fillcolor=white]\n"
        << "    leg2 [label=\"konec\" shape=doublecircle style=filled fillcolor=\"#c8f0c8\"]\n"
        << "    leg3 [label=\"smrt\" shape=octagon style=filled fillcolor=\"#f0c0c0\"]\n"
        << "    leg4 [label=\"slepá\" shape=circle style=filled fillcolor=\"#ffd27f\" color=\"#d04000\"]\n"
        << "    leg5 [label=\"nedosažitelná\" shape=circle style=filled fillcolor=\"#e0e0e0\" "
           "color=\"#a0a0a0\" fontcolor=\"#707070\"]\n"
        << "    leg6 [label=\"chybí\" shape=box style=\"dashed,filled\" fillcolor=\"#ffe0e0\" color=red]\n"
        << "    leg1 -> leg2 [label=\"menu\" fontsize=8]\n"
        << "    leg3 -> leg4 [label=\"odkaz\" style=dashed fontsize=8]\n"
        << "    leg5 -> leg6 [label=\"vadný\" color=red fontsize=8]\n  }\n";
}

}  // namespace

std::string StoryMapDot(const StoryGraph& graph, const std::string& title) {
    std::ostringstream dot;
    dot << "digraph pribeh {\n  label=" << dotQuoted(title) << " labelloc=t fontsize=16\n"
        << "  node [fontname=\"Helvetica\" fontsize=11 width=0.4 fixedsize=false]\n"
        << "  edge [arrowsize=0.6]\n";
    for (std::size_t u = 0; u < graph.units.size(); ++u) {
        const bool library = !graph.units[u].library.empty();
        if (library)
            dot << "  subgraph cluster_" << u << " {\n  label="
                << dotQuoted(toUtf8("knihovna " + graph.units[u].library)) << "\n";
        for (const auto& [cislo, index] : graph.units[u].locations)
            dot << "  " << nodeId(u, cislo) << " [label=\"" << cislo << "\" " << nodeLook(graph.nodes[index])
                << "]\n";
        if (library) dot << "  }\n";
    }
    for (const LocationNode& node : graph.nodes) {
        const std::size_t into = node.presmerovani.value_or(node.unit);
        for (const Link& link : node.links) {
            std::string target = nodeId(into, link.cil);
            if (link.broken) {
                target = dotQuoted("chybi_" + std::to_string(into) + "_" + std::to_string(link.cil));
                dot << "  " << target << " [label=\"" << link.cil
                    << "?\" shape=box style=\"dashed,filled\" fillcolor=\"#ffe0e0\" color=red]\n";
            }
            dot << "  " << nodeId(node.unit, node.cislo) << " -> " << target << " [" << edgeLook(link)
                << "]\n";
        }
    }
    legend(dot);
    dot << "}\n";
    return dot.str();
}

std::string WriteStoryMap(const StoryGraph& graph, const std::string& title,
                          const std::filesystem::path& file) {
    const std::string dot = StoryMapDot(graph, title);
    if (file.extension() != ".svg") {
        return writeFileAtomically(file, dot) ? std::string() : "cannot write " + file.string();
    }
    GVC_t* context = gvContext();
    Agraph_t* g = agmemread(dot.c_str());
    std::string error;
    if (g == nullptr) {
        error = "the map could not be read by Graphviz";
    } else {
        char* svg = nullptr;
        unsigned int length = 0;
        if (gvLayout(context, g, "dot") != 0 || gvRenderData(context, g, "svg", &svg, &length) != 0)
            error = "Graphviz could not lay out the map";
        else if (!writeFileAtomically(file, std::string(svg, length)))
            error = "cannot write " + file.string();
        if (svg) gvFreeRenderData(svg);
        gvFreeLayout(context, g);
        agclose(g);
    }
    gvFreeContext(context);
    return error;
}

}  // namespace morvane::check

// Graphviz and fontconfig keep their caches until the process ends; a leak
// checker is told so, and still sees every leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libgvc\nleak:libcgraph\n";
}
