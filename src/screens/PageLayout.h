#pragma once
// Where the main window puts the elements of the page: text blocks stack
// below each other 20 pixels apart, pictures 25 pixels below a text block or
// stacked (or, with an offset, placed) relative to the previous picture.
#include <cstdint>
#include <vector>

#include "interpreter/Page.h"

namespace morvane {

struct PagePlace {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

struct PageSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The places of the page's elements, in page order, given the size each one
// has on screen (text blocks as rendered, pictures as shown), before any
// scrolling.
std::vector<PagePlace> PlacePage(const Hlavni& page, const std::vector<PageSize>& sizes);

}  // namespace morvane
