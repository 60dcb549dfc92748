#include "console/HumanView.h"

#include <algorithm>
#include <ostream>

#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "character/Inventory.h"
#include "character/SellScreen.h"
#include "character/ShopScreen.h"
#include "combat/FightView.h"
#include "console/HumanHelp.h"
#include "console/Numbering.h"
#include "console/TextWords.h"
#include "game/Flow.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"
#include "save/SaveScreen.h"
#include "save/SavedPositionList.h"
#include "shell/Audio.h"
#include "shell/AudioSettings.h"

namespace morvane {
namespace {

using json = nlohmann::ordered_json;

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

std::string Text(const json& texts, const char* key) {
    return texts.is_object() && texts.contains(key) && texts[key].is_string()
               ? texts[key].get<std::string>()
               : "";
}

std::string Number(std::size_t k) { return "  " + std::to_string(k) + ") "; }

}  // namespace

void HumanView::show(const std::string& screen, const json& texts, std::size_t pageFrom) {
    if (screen == "main") mainScreen(pageFrom);
    else if (screen == "menu") menuScreen();
    else if (screen == "about") aboutScreen();
    else if (screen == "name") nameScreen(texts);
    else if (screen == "load") loadScreen(texts);
    else if (screen == "sheet") sheetScreen(texts);
    else if (screen == "inventory") inventoryScreen();
    else if (screen == "shop") shopScreen();
    else if (screen == "sell") sellScreen();
    else if (screen == "fight") fightScreen();
    else if (screen == "save") saveScreen(texts);
    else if (screen == "picture") pictureScreen(texts);
    else if (screen == "audio") audioScreen();
    else if (screen == "death") deathScreen();
    else if (screen == "ended") out << "--- konec hry ---\n";
    if (screen != "ended" && screen != "main") out << HumanCue(screen) << "\n";
}

void HumanView::messages(const std::vector<std::string>& messages,
                         const std::vector<std::string>& sounds,
                         const std::vector<std::string>& notes) {
    for (const std::string& m : messages) out << "[zpráva] " << m << "\n";
    for (const std::string& s : sounds) out << "[" << s << "]\n";
    // A note of several lines (a list of commands) stands as it is.
    for (const std::string& n : notes) {
        if (n.find('\n') == std::string::npos) out << "* " << n << "\n";
        else out << n;
    }
}

void HumanView::prompt() { out << "> "; }

void HumanView::heading(std::string_view win1250) { out << "\n=== " << Lines(win1250) << " ===\n"; }

// A hint of several lines, each indented.
void HumanView::hint(std::string_view win1250, const char* indent) {
    std::string text = Lines(win1250);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.empty()) return;
    out << indent;
    for (char c : text) {
        out << c;
        if (c == '\n') out << indent;
    }
    out << "\n";
}

void HumanView::page(std::size_t from) {
    const Game& g = game;
    std::int32_t link = 0;
    for (std::size_t i = 0; i < g.hlavni.prvky.size(); ++i) {
        const PageElement& e = g.hlavni.prvky[i];
        const std::int32_t target = e.jeText ? e.text.odkaz : e.obrazek.odkaz;
        if (target > 0) ++link;
        if (i < from) continue;
        if (e.jeText) {
            out << Lines(e.text.text);
            if (!e.text.weblink.empty()) out << "  [web " << toUtf8(e.text.weblink) << "]";
        } else {
            out << "[obrázek: " << toUtf8(e.obrazek.soubor) << "]";
        }
        if (target > 0) out << "  " << LinkMark(link);
        out << "\n\n";
    }
}

void HumanView::mainScreen(std::size_t pageFrom) {
    const Game& g = game;
    out << "\n";
    if (!g.okno.locationLabel.empty() && pageFrom == 0) out << g.okno.locationLabel << "\n";
    page(pageFrom);
    if (g.okno.menuVisible) {
        out << "-- " << Lines(g.stavhry.otazka.view()) << " --\n";
        for (std::int32_t j = 1; j <= g.stavhry.pocetpolozek && j <= kMenuItems; ++j)
            out << Number(static_cast<std::size_t>(j)) << Lines(MenuCaption(g, j)) << "\n";
    }
    const MainWindowTexts buttons = DescribeMainWindow();
    if (g.okno.pokracovatVisible) out << "[" << toUtf8(buttons.pokracovat) << ": Enter]\n";
    if (g.casovac.casovacbezi && g.casovac.casovaczobrazit)
        out << "Zbývá: " << g.casovac.zbyvacas << " s\n";
    infoLines();
    const postava& h = g.hrac;
    out << "Životy " << h.zivoty << " / " << h.maxzivoty << " · Mana " << h.mana << " / "
        << h.maxmana << " · " << toUtf8(DescribeSheetCaptions().zkusenosti) << " " << h.zkusenosti
        << " · " << h.penize << " " << toUtf8(g.mena) << "\n";
    std::string offered;
    if (SheetOffered(g)) offered += "[" + toUtf8(buttons.postava) + "] ";
    if (InventoryOffered(g)) offered += "[" + toUtf8(buttons.vybaveni) + "] ";
    if (HelpOffered(g)) offered += "[" + toUtf8(buttons.napoveda) + "] ";
    if (AudioOffered(g)) offered += "[" + toUtf8(buttons.audio) + "] ";
    out << offered << "[" << toUtf8(buttons.konec) << "]  " << HumanCue("main") << "\n";
}

// The history shifts by one line for each new message, so the lines new
// since the last screen are those after the longest overlap of the two.
void HumanView::infoLines() {
    std::vector<std::string> now;
    for (auto it = game.historie.rbegin(); it != game.historie.rend(); ++it)
        if (!it->text.empty()) now.push_back(Lines(it->text));
    std::size_t from = 0;
    if (infoShown) {
        const std::vector<std::string>& before = *infoShown;
        for (std::size_t shift = 0; shift <= before.size(); ++shift) {
            const std::size_t overlap = before.size() - shift;
            if (overlap <= now.size() &&
                std::equal(before.begin() + static_cast<std::ptrdiff_t>(shift), before.end(),
                           now.begin())) {
                from = overlap;
                break;
            }
        }
        *infoShown = now;
    }
    for (std::size_t i = from; i < now.size(); ++i) out << "  | " << now[i] << "\n";
}

void HumanView::menuScreen() {
    const MainMenuTexts menu = DescribeMainMenu(game);
    heading(menu.titul);
    out << Lines(menu.autor) << "\n";
    for (std::size_t k = 0; k < menu.tlacitka.size(); ++k)
        out << Number(k + 1) << Lines(menu.tlacitka[k]) << "\n";
}

void HumanView::aboutScreen() {
    const AboutTexts about = DescribeAbout();
    heading(DescribeMainMenu(game).titul);
    for (const std::string& line : about.lines) out << Lines(line) << "\n";
    out << Lines(about.odkaz) << "\n" << Lines(about.verze) << "\n";
}

void HumanView::nameScreen(const json& texts) {
    const NameEntryTexts name = DescribeNameEntry();
    heading(name.vyzva);
    out << Lines(name.jmeno) << " [" << Text(texts, "Edit1") << "]\n";
}

void HumanView::loadScreen(const json& texts) {
    heading(LoadDialogHeading());
    const json& entries = texts.value("entries", json::array());
    if (entries.empty()) hint(LoadDialogEmpty(), "");
    std::size_t k = 0;
    for (const json& entry : entries) out << Number(++k) << entry.value("text", "") << "\n";
}

void HumanView::sheetScreen(const json& texts) {
    const MainWindowTexts buttons = DescribeMainWindow();
    const SheetCaptions captions = DescribeSheetCaptions();
    const CharacterSheet sheet = PrepareSheet(game);
    heading(buttons.postava);
    out << Lines(sheet.Jmeno) << "\n"
        << Lines(captions.zkusenosti) << " " << Lines(sheet.Label7) << "\n";
    // kSheetRows follows the values' order, Label1 to Label6.
    const std::string* values[] = {&sheet.Label1, &sheet.Label2, &sheet.Label3,
                                   &sheet.Label4, &sheet.Label5, &sheet.Label6};
    for (std::size_t k = 0; k < kSheetRows.size(); ++k) {
        const PriceSlot slot = kSheetRows[k];
        out << Number(k + 1) << Lines(AttributeCaption(slot)) << " " << Lines(*values[k]);
        if (sheet.plusVisible(slot)) out << "   + " << Lines(TrainingHint(game, slot));
        out << "\n";
    }
    out << Lines(captions.zbran) << " " << Lines(sheet.Label8) << "\n"
        << Lines(captions.zbroj) << " " << Lines(sheet.Label9) << "\n";
    hint(fromUtf8(Text(texts, "XPinfo")), "");
}

void HumanView::inventoryScreen() {
    const InventoryView v = DescribeInventory(game);
    heading(DescribeMainWindow().vybaveni);
    out << Lines(v.Label9) << " " << Lines(v.Prachy) << "\n";
    using Kind = InventoryChoice::Kind;
    const std::vector<InventoryChoice> choices = InventoryChoices(v);
    const std::pair<Kind, const std::string*> sections[] = {
        {Kind::Object, &v.Label1}, {Kind::Item, &v.Label3}, {Kind::Weapon, &v.Label5}};
    for (const auto& [kind, caption] : sections) {
        out << Lines(*caption) << "\n";
        bool any = false;
        for (std::size_t k = 0; k < choices.size(); ++k) {
            const InventoryChoice& c = choices[k];
            const bool here = c.kind == kind || (kind == Kind::Weapon && c.kind == Kind::Armour);
            if (!here) continue;
            any = true;
            out << Number(k + 1) << Lines(c.line.text);
            if (!c.line.note.empty()) out << " – " << Lines(c.line.note);
            if (c.kind == Kind::Object && c.line.clickable) out << " [obrázek]";
            out << "\n";
        }
        if (!any) out << "  –\n";
    }
    hint(v.Status2, "");
    hint(v.Status, "");
}

void HumanView::shopScreen() {
    const ShopView v = DescribeShop(game);
    heading(v.Label1);
    out << Lines(v.Label2) << "\n";
    for (std::size_t k = 0; k < v.goods.size(); ++k) {
        const ShopGood& good = v.goods[k];
        out << Number(k + 1) << Lines(good.text) << " – " << good.cena << " "
            << toUtf8(game.mena) << "\n";
        hint(good.popis, "       ");
    }
    hint(v.Label5, "");
    hint(v.Label3, "");
}

void HumanView::sellScreen() {
    const SellView v = DescribeSell(game);
    heading(v.Label1);
    out << Lines(v.Label2) << "\n";
    const std::vector<SellLine> lines = SellChoices(v);
    if (lines.empty()) out << "  –\n";
    for (std::size_t k = 0; k < lines.size(); ++k) {
        out << Number(k + 1) << Lines(lines[k].text) << " – "
            << SellPrice(game, lines[k].kind, lines[k].cislo) << " " << toUtf8(game.mena) << "\n";
    }
    hint(v.Status, "");
}

void HumanView::fightScreen() {
    const FightView v = DescribeFight(game);
    const FightCaptions c = DescribeFightCaptions();
    const auto value = [](const std::string& caption, const std::string& text) {
        return Lines(caption) + " " + Lines(text);
    };
    heading(v.Jmeno);
    out << "  " << value(c.zivoty, v.Label12) << " · " << value(c.utok, v.Label13) << " · "
        << value(c.obrana, v.Label14) << " · " << value(c.poskozeni, v.Label25) << " · "
        << value(c.tvrdost, v.Label26) << "\n";
    out << Lines(v.Jmeno_hrac) << "\n";
    out << "  " << value(c.zivoty, v.Label15) << " · " << value(c.mana, v.Label16) << " · "
        << value(c.rychlost, v.Label17) << " · " << value(c.energie, v.Label18) << "\n";
    out << "  " << value(c.utok, v.Label19) << " · " << value(c.obrana, v.Label20) << " · "
        << value(c.poskozeni, v.Label27) << " · " << value(c.tvrdost, v.Label28) << "\n";
    hint(v.Summary1, "");
    hint(v.Summary2, "");
    hint(v.Summary3, "");
    if (v.ended) return;
    out << Lines(c.akce) << "\n";
    const std::vector<FightChoice> choices = FightChoices(v);
    for (std::size_t k = 0; k < choices.size(); ++k) {
        if (k == v.actions.size()) out << Lines(c.copouzijes) << "\n";
        out << Number(k + 1) << Lines(choices[k].text)
            << (choices[k].available ? "" : " (nelze)") << "\n";
    }
    if (v.list.kind != FightListKind::None && v.list.entries.empty())
        out << Lines(c.copouzijes) << "\n  –\n";
    if (v.buttons_shown) {
        if (v.items_allowed) out << "[" << Lines(c.predmety) << "]";
        if (v.spells_allowed) out << (v.items_allowed ? " " : "") << "[" << Lines(c.kouzla) << "]";
        if (v.items_allowed || v.spells_allowed) out << "\n";
    }
    hint(v.Popis_akce, "");
    hint(v.Popis_akce_cost, "");
    if (v.cost_captions_shown) out << Lines(v.Label31) << " · " << Lines(v.Label32) << "\n";
}

void HumanView::saveScreen(const json& texts) {
    const SaveScreenView v = DescribeSaveScreen(game);
    heading(v.nadpis);
    out << Lines(v.popisek) << " [" << Text(texts, "Edit1") << "]\n";
}

void HumanView::pictureScreen(const json& texts) {
    out << "\n[obrázek: " << Text(texts, "file") << "]\n";
    if (!Text(texts, "caption").empty()) out << Text(texts, "caption") << "\n";
}

void HumanView::audioScreen() {
    const AudioDialogTexts t = DescribeAudioDialog();
    heading(t.nastaveni);
    const TAudio* a = game.audio.get();
    const auto line = [&](std::size_t k, const std::string& caption, bool on, std::int32_t volume) {
        out << Number(k) << Lines(caption) << " [" << (on ? "x" : " ") << "] " << Lines(t.zapnuto)
            << " · hlasitost " << volume << " z 255\n";
    };
    line(1, t.zvuky, a && a->zvukyzapnuty, a ? a->hlasitostzvuku : 0);
    line(2, t.hudba, a && a->hudbazapnuta, a ? a->hlasitosthudby : 0);
}

void HumanView::deathScreen() {
    out << "\n[obrázek: ./grafika/smrtcool.jpg]\n" << HumanDeathText() << "\n";
}

}  // namespace morvane
