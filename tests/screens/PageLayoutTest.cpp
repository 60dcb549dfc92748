#include <gtest/gtest.h>

#include "screens/PageLayout.h"
#include "screens/QtText.h"

using namespace morvane;

namespace {

PageElement Text() { return PageElement{}; }

PageElement Picture(std::int32_t posunx = 0, std::optional<std::int32_t> posuny = {}) {
    PageElement e;
    e.jeText = false;
    e.obrazek.posunx = posunx;
    if (posuny) {
        e.obrazek.posuny = *posuny;
        e.obrazek.posunyzadan = true;
    }
    return e;
}

std::vector<std::pair<int, int>> Places(const std::vector<PageElement>& elements,
                                        const std::vector<PageSize>& sizes) {
    Hlavni page;
    page.prvky = elements;
    std::vector<std::pair<int, int>> out;
    for (const PagePlace& p : PlacePage(page, sizes)) out.emplace_back(p.left, p.top);
    return out;
}

}  // namespace

TEST(PageLayout, TextBlocksAndPicturesStackByTheirGaps) {
    // Text, text, picture, picture, text.
    EXPECT_EQ(Places({Text(), Text(), Picture(), Picture(), Text()},
                     {{300, 18}, {300, 36}, {50, 40}, {50, 20}, {300, 18}}),
              (std::vector<std::pair<int, int>>{
                  {230, 30}, {230, 68}, {230, 68 + 36 + 25 + 15}, {230, 144 + 40 + 15},
                  {230, 199 + 20 + 20}}));
    // A picture first stands at the top; a text block after it goes below it.
    EXPECT_EQ(Places({Picture(), Text()}, {{50, 40}, {300, 18}}),
              (std::vector<std::pair<int, int>>{{230, 30}, {230, 90}}));
}

TEST(PageLayout, OffsetsPlaceAPictureRelativeToThePreviousOne) {
    // Beside the previous picture: same top, shifted right.
    EXPECT_EQ(Places({Picture(), Picture(60, 0)}, {{50, 40}, {50, 40}}),
              (std::vector<std::pair<int, int>>{{230, 30}, {290, 30}}));
    // A vertical offset after a text block adds to the 25-pixel gap.
    EXPECT_EQ(Places({Text(), Picture(0, 5)}, {{300, 18}, {50, 40}}),
              (std::vector<std::pair<int, int>>{{230, 30}, {230, 30 + 18 + 25 + 5}}));
}

TEST(QtText, FontSizesOfAnySkinValueBecomeSanePixelSizes) {
    EXPECT_EQ(morvane::pointsToPixels(12), 16);
    EXPECT_EQ(morvane::pointsToPixels(0), 0);
    EXPECT_EQ(morvane::pointsToPixels(2147483647), 4096);
    EXPECT_EQ(morvane::pointsToPixels(-2147483647 - 1), -4096);
}
