#include <gtest/gtest.h>

#include "base/ScriptError.h"
#include "shell/Colour.h"

namespace morvane {
namespace {

TEST(ParseColour, NamesInAnyCaseAndHexWithDollarOrStar) {
    EXPECT_EQ(ParseColour("red"), 0x0000FF);
    EXPECT_EQ(ParseColour("Red"), 0x0000FF);
    EXPECT_EQ(ParseColour("  RED \t"), 0x0000FF);
    EXPECT_EQ(ParseColour("*0000FF"), 0x0000FF);
    EXPECT_EQ(ParseColour("$0000ff"), 0x0000FF);
    EXPECT_EQ(ParseColour("Navy"), 0x800000);
    EXPECT_EQ(ParseColour("moneygreen"), 0xC0DCC0);
    EXPECT_EQ(ParseColour("None"), 0x1FFFFFFF);
    // System colours are their index above 0xFF000000, whether named or written out.
    EXPECT_EQ(ParseColour("BtnFace"), static_cast<std::int32_t>(0xFF00000F));
    EXPECT_EQ(ParseColour("3ddkshadow"), static_cast<std::int32_t>(0xFF000015));
    EXPECT_EQ(ParseColour("MenuBar"), static_cast<std::int32_t>(0xFF00001E));
    EXPECT_EQ(ParseColour("*FF000005"), static_cast<std::int32_t>(0xFF000005));
}

TEST(ParseColour, AnythingElseIsAConversionError) {
    for (const char* text : {"255", "", "clRed", "Redd", "$", "*", "$12345678A", "$GG", "**FF",
                             "$-1", "Re d"}) {
        EXPECT_THROW(ParseColour(text), ScriptError) << text;
    }
    try {
        ParseColour(" 255 ");
        FAIL();
    } catch (const ScriptError& error) {
        EXPECT_STREQ(error.what(), "'255' is not a valid integer value");
    }
}

}  // namespace
}  // namespace morvane
