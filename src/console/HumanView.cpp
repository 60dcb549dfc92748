#include "console/HumanView.h"

#include <ostream>

#include "base/Win1250.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"

namespace morvane {
namespace {

// Game texts break lines with CR LF or a lone CR; a terminal wants LF.
std::string Lines(std::string_view win1250) {
    std::string text;
    for (std::size_t i = 0; i < win1250.size(); ++i) {
        if (win1250[i] == '\r') {
            text += '\n';
            if (i + 1 < win1250.size() && win1250[i + 1] == '\n') ++i;
        } else {
            text += win1250[i];
        }
    }
    return toUtf8(text);
}

std::string Plain(const nlohmann::ordered_json& value) {
    if (value.is_string()) {
        std::string s = value.get<std::string>();
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\r') {
                out += '\n';
                if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
            } else {
                out += s[i];
            }
        }
        return out;
    }
    return value.dump();
}

}  // namespace

void HumanView::show(const std::string& screen, const nlohmann::ordered_json& texts,
                     const std::vector<std::string>& messages,
                     const std::vector<std::string>& sounds) {
    for (const std::string& m : messages) out << "[" << toUtf8(cz("zpráva")) << "] " << m << "\n";
    for (const std::string& s : sounds) out << "[zvuk] " << s << "\n";
    if (screen == "main") mainScreen();
    else if (screen == "ended") out << "--- " << toUtf8(cz("konec hry")) << " ---\n";
    else {
        out << "=== " << screen << " ===\n";
        screenTexts(texts);
    }
    if (screen != "ended") out << "> ";
}

void HumanView::mainScreen() {
    const Game& g = game;
    out << "\n";
    if (!g.okno.locationLabel.empty()) out << g.okno.locationLabel << "\n";
    std::int32_t link = 0;
    for (const PageElement& e : g.hlavni.prvky) {
        if (e.jeText) {
            out << Lines(e.text.text);
            if (e.text.odkaz > 0) out << "  [link " << ++link << "]";
            if (!e.text.weblink.empty()) out << "  [web " << toUtf8(e.text.weblink) << "]";
            out << "\n\n";
        } else {
            out << "[" << toUtf8(cz("obrázek")) << ": " << toUtf8(e.obrazek.soubor) << "]";
            if (e.obrazek.odkaz > 0) out << "  [link " << ++link << "]";
            out << "\n\n";
        }
    }
    if (g.okno.menuVisible) {
        out << "-- " << Lines(g.stavhry.otazka.view()) << " --\n";
        for (std::int32_t j = 1; j <= g.stavhry.pocetpolozek && j <= kMenuItems; ++j)
            out << "  " << j << ") " << Lines(MenuCaption(g, j)) << "\n";
    }
    if (g.casovac.casovacbezi && !g.casovac.label.empty())
        out << toUtf8(cz("Zbývá: ")) << g.casovac.label << " s\n";
    for (auto it = g.historie.rbegin(); it != g.historie.rend(); ++it)
        if (!it->text.empty()) out << "  | " << Lines(it->text) << "\n";
    const postava& h = g.hrac;
    out << toUtf8(cz("Životy ")) << h.zivoty << "/" << h.maxzivoty << "  Mana " << h.mana << "/"
        << h.maxmana << "  XP " << h.zkusenosti << "  " << toUtf8(g.mena) << " " << h.penize
        << "\n";
}

void HumanView::screenTexts(const nlohmann::ordered_json& texts) {
    if (!texts.is_object()) return;
    for (const auto& [key, value] : texts.items()) {
        if (value.is_string() && value.get<std::string>().empty()) continue;
        out << key << ": " << Plain(value) << "\n";
    }
}

}  // namespace morvane
