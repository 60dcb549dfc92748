#include "screens/PageLayout.h"

#include <optional>

namespace morvane {
namespace {

constexpr std::int32_t kPageTop = 30;
constexpr std::int32_t kPageLeft = 230;
constexpr std::int32_t kTextGap = 20;        // below a text block or picture, to a text block
constexpr std::int32_t kPictureGap = 25;     // below a text block, to a picture

struct Placed {
    std::int32_t top = 0;
    std::int32_t height = 0;
};

}  // namespace

std::vector<PagePlace> PlacePage(const Hlavni& page, const std::vector<PageSize>& sizes) {
    std::vector<PagePlace> places;
    places.reserve(page.prvky.size());
    std::optional<Placed> lastText, lastPicture;
    bool previousWasText = false;
    for (std::size_t i = 0; i < page.prvky.size(); ++i) {
        const PageElement& e = page.prvky[i];
        const std::int32_t height = i < sizes.size() ? sizes[i].height : 0;
        PagePlace place;
        const bool first = !lastText && !lastPicture;
        if (e.jeText) {
            place.left = e.text.left;
            if (first) place.top = kPageTop;
            else if (previousWasText) place.top = lastText->top + lastText->height + kTextGap;
            else place.top = lastPicture->top + lastPicture->height + kTextGap;
            lastText = Placed{place.top, height};
        } else {
            const PagePicture& p = e.obrazek;
            place.left = kPageLeft + p.posunx;
            if (first) {
                place.top = kPageTop;
            } else if (previousWasText) {
                place.top = lastText->top + lastText->height + kPictureGap + p.posuny;
            } else {
                // An offset that was given places the picture relative to the
                // previous one's top; otherwise it stacks below it.
                place.top = lastPicture->top + p.posuny + (p.posunyzadan ? 0 : lastPicture->height);
            }
            lastPicture = Placed{place.top, height};
        }
        previousWasText = e.jeText;
        places.push_back(place);
    }
    return places;
}

}  // namespace morvane
