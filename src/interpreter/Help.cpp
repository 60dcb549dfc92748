#include "interpreter/Help.h"

#include <array>
#include <string_view>

#include "base/Win1250.h"
#include "base/WordWrap.h"
#include "game/Game.h"

namespace morvane {
namespace {

constexpr std::array<std::string_view, 14> kParagraphs = {
    "Právě hrajete gamebook s RPG prvky jako jsou zkušenosti, vlastnosti postavy, inventář a "
    "mnohé další. Hru jednoduše ovládáte klikáním na možnosti v menu (jdi na nějaké místo, "
    "zaútoč na někoho, pokračuj...). Kdykoli je také možné prohlédnout inventář nebo "
    "zlepšit/prohlédnout postavu kliknutím na příslušné tlačítko. Na některých místech vám hra "
    "sama nabídne uložení pozice.",
    "Text je možné posouvat nahoru a dolu šipkami (těmi na klávesnici)",
    "Životy - udávají zdraví postavy... Pokud klesnou na nulu, jsi mrtev! Nemůžou být vyšší "
    "než jejich maximum, které se dá ovšem také zvýšit (za XP).",
    "Mana - magická energie tvé postavy, využívá a spotřebovává se při sesílání kouzel",
    "Síla - určuje fyzickou sílu postavy, čím vyšší, tím lepší je postavy v boji (přičítá se "
    "k síle útoku)",
    "Obratnost - v podstatě opak síly - přičítá se k obraně ",
    "Energie - každá akce v souboji stojí určitou energii. Pokud chceš být aktivní a neustále "
    "útočit speciálními pohyby, spotřebuješ hodně energie. Na začátku souboje máš energii z "
    "poloviny plnou",
    "Rychlost - její hodnota určuje, kolik se ti při každém kole souboje doplní energie do "
    "maxima",
    "Veškeré vyše uvedené vlastnosti je možné vylepšovat, ať už za XP (získané např. za "
    "souboje) nebo různými jinými způsoby. U každé věci (lektvaru, kouzla, zbraně) je popis "
    "toho, co dělá. Žádná obecná pravidla k tomu nejsou, proto čtěte popisy jednotlivých věcí "
    "pozorně!",
    "Souboje - souboje probíhají na kola. V každém kole útočí jak hráč, tak protivník. Hráč má "
    "navíc možnost každé kolo použít 1 předmět nebo kouzlo.",
    "Útok - k síle zbraně (uvedené např. ve tvaru 2k6+1, což znamená \"hod dvěmi "
    "šestistěnnými kostkami plus 1\", se přičte hráčova síla a porovná se se soupeřovou "
    "obranou. Je-li vyšší, zasáhl",
    "Obrana - snad netřeba vysvětlovat, staví se proti soupeřovu útoku",
    "Poškození - pokud je obránce zasažen, je výsledné zranění rovno rozdílu útoku a obrany a "
    "navíc se k tomu přičte poškození útočníka a odečte se tvrdost obránce. Tedy - pokud je "
    "útok o dva vyšší než obrana, poškození je jedna a tvrdost dva, je obránce zraněn za 1 "
    "život",
    "Tvrdost - v podstatě opak poškození",
};

// The platform wrap breaks with CR LF; the help text keeps single CRs.
std::string wrapWithCr(std::string_view text, int width) {
    const std::string wrapped = wrapText(text, width);
    std::string out;
    out.reserve(wrapped.size());
    for (std::size_t i = 0; i < wrapped.size(); ++i) {
        if (wrapped[i] == '\r' && i + 1 < wrapped.size() && wrapped[i + 1] == '\n') ++i;
        out += wrapped[i] == '\n' ? '\r' : wrapped[i];
    }
    return out;
}

}  // namespace

std::string HelpText(std::int32_t screenWidth) {
    const bool wide = screenWidth > 640;
    const std::string stars(wide ? 83 : 55, '*');
    const int width = wide ? 75 : 50;
    std::string text;
    const auto line = [&text](std::string_view s) {
        text += s;
        text += '\r';
    };
    line(stars);
    line(cz("Nápověda"));
    line(stars);
    line(cz("Hra byla vytvořena pomocí Morvane"));
    line("");
    line(cz("Morvane, svobodný přehrávač gamebooků pro Linux"));
    line(stars);
    line("");
    for (std::size_t i = 0; i < kParagraphs.size(); ++i) {
        line(wrapWithCr(cz(kParagraphs[i]), width));
        line("");
        if (i == 5) {
            line("");
            line("");
        }
    }
    text += stars;
    return text;
}

void NapovedaClick(Game& game) {
    Hlavni& page = game.hlavni;
    if (game.okno.napovedaVisible) {
        game.okno.napovedaVisible = false;
        for (auto it = page.prvky.rbegin(); it != page.prvky.rend(); ++it) {
            if (!it->jeText || !it->text.napoveda) continue;
            page.prvky.erase(std::next(it).base());
            --page.pocettextu;
            break;
        }
        page.naposledytext = !page.prvky.empty() && page.prvky.back().jeText;
        return;
    }
    PageElement help;
    help.text.text = HelpText(game.screenWidth);
    help.text.barva = kYellow;
    help.text.left = 240;
    help.text.napoveda = true;
    page.prvky.push_back(std::move(help));
    ++page.pocettextu;
    page.naposledytext = true;
    game.okno.napovedaVisible = true;
}

}  // namespace morvane
