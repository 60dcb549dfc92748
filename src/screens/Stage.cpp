#include "screens/Stage.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace morvane {

double FitScale(QSize pixels) {
    const double across = static_cast<double>(pixels.width()) / kDesignSize.width();
    const double down = static_cast<double>(pixels.height()) / kDesignSize.height();
    return std::max(1.0, std::min(across, down));
}

Stage GameStage(const QRect& screen, bool window) {
    const QSize size = kDesignSize.boundedTo(screen.size());
    const bool fitsDesign = size == kDesignSize;
    if (!window && !fitsDesign) return {screen, false};
    QRect area(QPoint(0, 0), size);
    area.moveCenter(screen.center());
    area.moveTopLeft({std::max(area.left(), screen.left()), std::max(area.top(), screen.top())});
    return {area, !window && area != screen};
}

bool ParseScale(const char* text, double& factor) {
    const char* end = text + std::strlen(text);
    double value = 0;
    const auto [at, error] = std::from_chars(text, end, value, std::chars_format::fixed);
    if (error != std::errc() || at != end || !(value >= 0.5 && value <= 8)) return false;
    factor = value;
    return true;
}

}  // namespace morvane
