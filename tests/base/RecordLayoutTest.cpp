// Stored records go to and from files as raw bytes. The headers pin every
// offset at compile time; this test checks what they can't: a byte image
// built by hand reads back through the accessors, short strings keep their
// length byte first, and bytes past a text's length survive the round trip.
// (The saved position's bytes are checked on a real file by the save tests.)
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "parser/GameInitRecord.h"

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

}  // namespace
}  // namespace morvane
