// The --json state line is written value by value; it must stay byte for
// byte what the earlier tree-built line was, which programs driving the
// terminal player already parse.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "console/JsonWriter.h"
#include "console/TextPlayer.h"

using namespace morvane;
using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kHere = fs::path(MORVANE_SOURCE_DIR) / "tests" / "console";

std::vector<std::string> Lines(const std::string& text, bool statesOnly) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#' && (!statesOnly || line.starts_with("{\"screen\"")))
            lines.push_back(line);
    return lines;
}

std::string Written(std::string_view text) {
    std::string out;
    JsonWriter(out).value(text);
    return out;
}

}  // namespace

// demo-smrt.states holds the lines the tree-built writer printed for the death
// route (demo-smrt.txt, --seed 1): the name screen, fights, sounds, texts
// with line breaks and the death. A deliberate change of the protocol
// records them again from the program's output.
TEST(StateLine, DeathRouteIsPrintedAsBefore) {
    const FolderCopy demo(kHere.parent_path().parent_path() / "games" / "demo");
    int status = -1;
    const auto printed =
        Lines(RunText(demo, Lines(ReadFile(kHere / "demo-smrt.txt"), false), "--seed 1", status), true);
    const auto expected = Lines(ReadFile(kHere / "demo-smrt.states"), true);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(printed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(printed[i], expected[i]) << "line " << i;
}

// Strings the demo never shows: every escape, and bytes that are no UTF-8,
// which are replaced the way the JSON library replaces them.
TEST(StateLine, StringsAreEscapedAsTheJsonLibraryDoes) {
    const std::string cases[] = {
        "plain", "", "quote \" backslash \\ slash /", std::string("nul \0 end", 9),
        "\b\f\n\r\t\x01\x1f\x7f", "čeština ř ž – €", "\xF0\x9F\x8E\xB2 four bytes",
        "\xC3", "lone \x80 tail", "\xC0\x80 overlong", "\xED\xA0\x80 surrogate",
        "\xF4\x90\x80\x80 too high", "cut \xE2\x82", "\x9A\xE8 Windows-1250",
    };
    for (const std::string& text : cases) {
        const auto expected =
            nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        EXPECT_EQ(Written(text), expected) << nlohmann::json(text).dump(-1, ' ', true,
                                                 nlohmann::json::error_handler_t::replace);
    }
}

TEST(StateLine, CommasKeysAndNumbersMatchTheJsonLibrary) {
    std::string out;
    JsonWriter w(out);
    w.beginObject();
    w.field("a", std::int32_t{-2147483647 - 1});
    w.field("b", std::uint64_t{18446744073709551615u});
    w.key("c");
    w.beginArray();
    w.beginObject();
    w.endObject();
    w.beginArray();
    w.endArray();
    w.value(true);
    w.null();
    w.endArray();
    w.field("d\n", false);
    w.endObject();
    const nlohmann::ordered_json expected = {
        {"a", std::int32_t{-2147483647 - 1}},
        {"b", std::uint64_t{18446744073709551615u}},
        {"c", {nlohmann::json::object(), nlohmann::json::array(), true, nullptr}},
        {"d\n", false}};
    EXPECT_EQ(out, expected.dump());
}
