#pragma once
// A whole game folder for end-to-end tests: the definition record, the story
// and any tables, written in Windows-1250 from UTF-8 test text.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Win1250.h"
#include "parser/GameDefinition.h"
#include "support/TempFolder.h"

namespace morvane::test {

struct GameFolder : TempFolder {
    TGameInit definice{};

    explicit GameFolder(std::string_view story) {
        // Hit points, mana, strength, agility, speed, energy: start, price, step.
        const std::int32_t values[18] = {20, 5, 2, 10, 5, 2, 5, 10, 3, 5, 10, 3, 4, 10, 3, 10, 10, 3};
        for (int i = 0; i < 18; ++i) definice.vlastnosti[i] = values[i];
        definice.nazevhry.assign("testovka");
        definice.jmenohrdiny.assign("Hrdina");
        definice.titulhry.assign("Test");
        definice.autor.assign("Autor");
        definice.penize = 15;
        definice.mena.assign(cz("zlaťáků"));
        writeDefinition();
        file("data/data.vrn", story);
    }

    void writeDefinition() const { write("data/inicializace.vrn", GameDefinitionBytes(definice)); }
    // A game file given in UTF-8, stored in Windows-1250.
    void file(const std::string& relative, std::string_view utf8) const { write(relative, cz(utf8)); }
};

}  // namespace morvane::test
