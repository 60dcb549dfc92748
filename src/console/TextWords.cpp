#include "console/TextWords.h"

#include <utility>

#include "base/Numbers.h"
#include "base/Win1250.h"

namespace morvane {
namespace {

constexpr std::pair<const char*, SellKind> kSellKinds[] = {
    {"zbran", SellKind::Weapon}, {"zbroj", SellKind::Armour}, {"predmet", SellKind::Item}};

}  // namespace

std::optional<std::int32_t> Number(const std::string& word) {
    return parseInteger(word);
}

std::optional<PriceSlot> Attribute(const std::string& word) {
    if (word == "zivoty") return PriceSlot::Zivoty;
    if (word == "mana") return PriceSlot::Mana;
    if (word == "sila") return PriceSlot::Sila;
    if (word == "obratnost") return PriceSlot::Obratnost;
    if (word == "rychlost") return PriceSlot::Rychlost;
    if (word == "energie") return PriceSlot::Energie;
    return std::nullopt;
}

const char* SellKindName(SellKind kind) {
    for (const auto& [name, k] : kSellKinds)
        if (k == kind) return name;
    return "";
}

std::optional<SellKind> SellKindNamed(const std::string& word) {
    for (const auto& [name, k] : kSellKinds)
        if (word == name) return k;
    return std::nullopt;
}

std::string LinkMark(std::int32_t k) {
    if (k >= 1 && k <= 26) return "[" + std::string(1, static_cast<char>('a' + k - 1)) + "]";
    return "[link " + std::to_string(k) + "]";
}

std::optional<std::int32_t> LinkLetter(const std::string& word) {
    if (word.size() != 1 || word[0] < 'a' || word[0] > 'z') return std::nullopt;
    return word[0] - 'a' + 1;
}

std::string Fold(const std::string& utf8) {
    static const std::string accented = cz("áčďéěíňóřšťúůýž");
    static const std::string plain = "acdeeinorstuuyz";
    std::string word = lowerCase(fromUtf8(utf8));
    for (char& ch : word) {
        const auto at = accented.find(ch);
        if (at != std::string::npos) ch = plain[at];
    }
    return word;
}

}  // namespace morvane
