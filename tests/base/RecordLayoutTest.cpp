// Stored records go to and from files as raw bytes. The headers pin every
// offset at compile time; these tests check the same thing from the file's
// side: a byte image built by hand reads back through the structs, and values
// written through the structs land on the bytes the file format names.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "character/HeroRecord.h"
#include "content/ContentRecords.h"
#include "interpreter/GameStateRecord.h"
#include "parser/GameInitRecord.h"
#include "save/SavedPositionRecord.h"

namespace morvane {
namespace {

using Bytes = std::vector<unsigned char>;

template <class T>
Bytes imageOf(const T& record) {
    Bytes out(sizeof(T));
    std::memcpy(out.data(), &record, sizeof(T));
    return out;
}

void putI32(Bytes& b, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(u >> (8 * i));
}

std::int32_t getI32(const Bytes& b, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | b[at + i];
    return static_cast<std::int32_t>(u);
}

std::int16_t getI16(const Bytes& b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}

void putShortString(Bytes& b, std::size_t at, std::string_view text) {
    b[at] = static_cast<unsigned char>(text.size());
    std::memcpy(&b[at + 1], text.data(), text.size());
}

TEST(RecordLayout, GameDefinitionReadsFromHandBuiltImage) {
    Bytes file(240, 0xEE);  // non-zero filler shows up if a field is misplaced
    for (int i = 0; i < 18; ++i) putI32(file, 4 * i, 100 + i);
    putShortString(file, 72, "Oi");
    putShortString(file, 104, "Jan");
    file[135] = 1;
    putShortString(file, 136, "Hrad");
    putShortString(file, 167, "Autor");
    putI32(file, 200, -25);
    putShortString(file, 204, "zlatych");
    putI32(file, 236, 7);

    TGameInit init;
    std::memcpy(&init, file.data(), sizeof init);
    EXPECT_EQ(init.startValue(InitAttribute::Zivoty), 100);
    EXPECT_EQ(init.firstPrice(InitAttribute::Mana), 104);
    EXPECT_EQ(init.startValue(InitAttribute::Rychlost), 112);
    EXPECT_EQ(init.priceStep(InitAttribute::Energie), 117);
    EXPECT_EQ(init.nazevhry, "Oi");
    EXPECT_EQ(init.jmenohrdiny, "Jan");
    EXPECT_EQ(init.zadavanijmena, 1);
    EXPECT_EQ(init.titulhry, "Hrad");
    EXPECT_EQ(init.autor, "Autor");
    EXPECT_EQ(init.penize, -25);
    EXPECT_EQ(init.mena, "zlatych");
    EXPECT_EQ(init.zkusenosti, 7);
    // Bytes past a text's length belong to the file and come back unchanged.
    EXPECT_EQ(imageOf(init), file);
}

TEST(RecordLayout, GameStateFieldsLandWhereTheFileHasThem) {
    auto state = std::make_unique<stavhry>();
    std::memset(state.get(), 0, sizeof(stavhry));
    state->promenne[0] = 11;    // variable 1
    state->promenne[998] = -9;  // variable 999
    state->retezce[9] = "deset";
    state->lokace = 37;
    state->druhhudby = 2;
    state->menu[19].cil = 400;
    state->menu[19].barva = 0x00FF00;
    state->pocetpolozek = 20;
    state->nazevhry = "hra";
    state->vypisujpromenne = 1;

    const Bytes b = imageOf(*state);
    EXPECT_EQ(getI32(b, 0), 11);
    EXPECT_EQ(getI32(b, 4 * 998), -9);
    EXPECT_EQ(b[3996 + 9 * 101], 5);
    EXPECT_EQ(b[3996 + 9 * 101 + 1], 'd');
    EXPECT_EQ(getI32(b, 5108), 37);
    EXPECT_EQ(getI32(b, 5332), 2);
    EXPECT_EQ(getI32(b, 5544 + 19 * 112), 400);
    EXPECT_EQ(getI32(b, 5544 + 19 * 112 + 108), 0x00FF00);
    EXPECT_EQ(getI32(b, 7784), 20);
    EXPECT_EQ(b[7997], 3);
    EXPECT_EQ(getI32(b, 8104), 1);
}

TEST(RecordLayout, HeroKeepsEquipmentAndPricesInPlace) {
    auto hero = std::make_unique<postava>();
    std::memset(hero.get(), 0, sizeof(postava));
    hero->zivoty = 15;
    hero->zbran.utok = kostka{6, 2, 1};
    hero->zbran.mnozstvi = -2;
    hero->zbroj.cislo = 4;
    hero->zbroj.efekty[4].hodnota = 3;
    hero->price(PriceSlot::Energie) = 50;  // energy is the fifth price, before speed
    hero->priceStep(PriceSlot::Rychlost) = 5;

    const Bytes b = imageOf(*hero);
    EXPECT_EQ(getI32(b, 4228), 15);
    EXPECT_EQ(getI32(b, 4280 + 364), 6);      // sides first
    EXPECT_EQ(getI32(b, 4280 + 364 + 4), 2);  // then count
    EXPECT_EQ(getI16(b, 4280 + 948), -2);
    EXPECT_EQ(getI32(b, 6076), 4);
    EXPECT_EQ(getI32(b, 6076 + 384 + 4 * 112 + 104), 3);
    EXPECT_EQ(getI32(b, 7868 + 4 * 4), 50);
    EXPECT_EQ(getI32(b, 7892 + 5 * 4), 5);
}

TEST(RecordLayout, SavedPositionPlacesEveryPartAndSlot) {
    auto save = std::make_unique<ulozenapozice>();
    std::memset(save.get(), 0, sizeof(ulozenapozice));
    save->stavhry.lokace = 12;
    save->stavhry.promenne[41] = 1234;  // variable 42
    save->hrac.penize = 99;
    save->pocetzbrani = 3;
    save->pocetutoku = 6;
    save->zbroje[1].mnozstvi = 7;          // armour 2
    save->zbrane[2].mnozstvi = 8;          // weapon 3
    save->predmety[99].mnozstvi = 100000;  // item 100
    save->objekty[0].mnozstvi = 5;
    save->kouzla[4].umime = 1;
    save->utoky[5].umime = 1;
    save->utoky[5].efektyminuti[4].cislo = 77;
    save->predmety[0].podminky[2].vysledek = -1;

    const Bytes b = imageOf(*save);
    EXPECT_EQ(b.size(), 1133648u);
    EXPECT_EQ(getI32(b, 5108), 12);
    EXPECT_EQ(getI32(b, 41 * 4), 1234);
    EXPECT_EQ(getI32(b, 8108 + 4200), 99);
    EXPECT_EQ(getI32(b, 16024), 3);
    EXPECT_EQ(getI32(b, 16044), 6);
    EXPECT_EQ(getI16(b, 16048 + 1 * 1792 + 944), 7);
    EXPECT_EQ(getI16(b, 195248 + 2 * 1796 + 948), 8);
    EXPECT_EQ(getI32(b, 374848 + 99 * 1732 + 884), 100000);
    EXPECT_EQ(getI16(b, 548048 + 364), 5);
    EXPECT_EQ(b[584848 + 4 * 1676 + 824], 1);
    EXPECT_EQ(b[752448 + 5 * 3812 + 2960], 1);
    EXPECT_EQ(getI32(b, 752448 + 5 * 3812 + 2400 + 4 * 112 + 108), 77);
    EXPECT_EQ(getI32(b, 374848 + 892 + 2 * 168 + 160), -1);
}

}  // namespace
}  // namespace morvane
