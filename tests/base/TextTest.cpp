#include <gtest/gtest.h>

#include "base/Files.h"
#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/ShortString.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "base/WordWrap.h"
#include "support/TempFolder.h"

using namespace morvane;

TEST(Win1250, EveryMappedByteSurvivesTheRoundTripAndGapsBecomeReplacement) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = toUtf8(all);
    const std::string back = fromUtf8(utf8);
    ASSERT_EQ(back.size(), all.size());
    for (int b : {0x81, 0x83, 0x88, 0x90, 0x98}) {
        EXPECT_EQ(back[b - 1], '?') << b;  // no character: never produced back
    }
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98) continue;
        EXPECT_EQ(static_cast<unsigned char>(back[b - 1]), b);
    }
    EXPECT_EQ(toUtf8("\x81"), "\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(cz("Příliš žluťoučký kůň")), "Příliš žluťoučký kůň");
    EXPECT_EQ(fromUtf8("\xE2\x82"), "??");  // cut-off sequence
    EXPECT_EQ(fromUtf8("日"), "?");         // outside the code page
    EXPECT_EQ(upperCase(cz("žluťoučký")), cz("ŽLUŤOUČKÝ"));
    EXPECT_EQ(lowerCase(cz("ŘÍŠE")), cz("říše"));
}

TEST(Numbers, ConversionAcceptsOnlyWholeDecimalIntegers) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger("  -7"), -7);
    EXPECT_EQ(parseInteger("+5"), 5);
    EXPECT_EQ(parseInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " ", "-", "2147483648", "12a", "1 ", "0x10", "1.5", "--1"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
    try {
        toInteger("abc");
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(parseSeed("9999999999999999999"), 9999999999999999999u);
    for (const char* bad : {"", "-1", "+1", "12345678901234567890", "1x"})
        EXPECT_FALSE(parseSeed(bad).has_value()) << bad;
    EXPECT_EQ(wrapAdd(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(wrapMul(65536, 65536), 0);
    EXPECT_EQ(wrapDiv(INT32_MIN, -1), INT32_MIN);
}

TEST(WordWrap, BreaksAfterTheLastBlankWithinTheWidth) {
    EXPECT_EQ(wrapText("aaa bbb ccc", 8), "aaa bbb \r\nccc");
    EXPECT_EQ(wrapText("aaa-bbb", 5), "aaa-\r\nbbb");
    EXPECT_EQ(wrapText("short", 74), "short");
    // A word longer than the line stays whole.
    EXPECT_EQ(wrapText("abcdefghij", 4), "abcdefghij");
    // Existing line breaks restart the column count.
    EXPECT_EQ(wrapText("aaa\r\nbbb ccc", 8), "aaa\r\nbbb ccc");
    // Quoted text is never broken.
    EXPECT_EQ(wrapText("x 'aa bb cc dd' y", 6), "x \r\n'aa bb cc dd' \r\ny");
    const std::string sixty(59, 'a');
    EXPECT_EQ(wrapText("word " + sixty, 50), "word \r\n" + sixty);
    EXPECT_EQ(wrapText("word " + sixty, 74), "word " + sixty);
}

TEST(TextFile, ReadsUpToEndOfFileByteAndSplitsEveryLineEnd) {
    EXPECT_EQ(textPart(std::string("ab\x1A" "cd")), "ab");
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());

    const test::TempFolder folder;
    const auto& dir = folder.path();
    ASSERT_TRUE(writeFileAtomically(dir / "f.txt", std::string("one\x1Atwo", 7)));
    EXPECT_EQ(readTextFile(dir / "f.txt"), "one");
    EXPECT_EQ(readBinaryFile(dir / "f.txt")->size(), 7u);
    EXPECT_FALSE(readTextFile(dir / "missing.txt").has_value());
    EXPECT_FALSE(writeFileAtomically(dir / "no-such-folder" / "f.txt", "x"));
}

TEST(ShortString, CutsLongTextAndNeverReadsPastItsCapacity) {
    ShortString<5> s{};
    s = "abcdefgh";
    EXPECT_EQ(s.view(), "abcde");
    s.length = 200;  // as a damaged file could hold
    EXPECT_EQ(s.size(), 5u);
}
