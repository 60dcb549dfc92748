#include <gtest/gtest.h>

#include "base/ScriptError.h"
#include "shell/Colour.h"

namespace morvane {
namespace {

TEST(ParseColour, NamesInAnyCaseAndHexWithDollarOrStar) {
    // System colours are their index above 0xFF000000, named or written out.
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"red", 0x0000FF},       {"  RED \t", 0x0000FF},   {"*0000FF", 0x0000FF},
        {"$0000ff", 0x0000FF},   {"Navy", 0x800000},       {"moneygreen", 0xC0DCC0},
        {"None", 0x1FFFFFFF},    {"BtnFace", 0xFF00000F},  {"3ddkshadow", 0xFF000015},
        {"MenuBar", 0xFF00001E}, {"*FF000005", 0xFF000005}, {"$000000000FF", 0xFF}};
    for (auto [text, value] : cases) EXPECT_EQ(ParseColour(text), std::int32_t(value)) << text;
}

TEST(ParseColour, AnythingElseIsAConversionError) {
    for (const char* text :
         {"255", "", "clRed", "Redd", "$", "*", "$12345678A", "$GG", "**FF", "$-1", "Re d"}) {
        EXPECT_THROW(ParseColour(text), ScriptError) << text;
    }
}

}  // namespace
}  // namespace morvane
