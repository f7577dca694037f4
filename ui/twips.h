// Twips to device-independent pixels: 15 twips are one pixel.
#pragma once

#include <QRect>
#include <cmath>

namespace pilaro {

[[nodiscard]] inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// Each edge is rounded on its own, so that boxes that meet or overlap by a
// whole number of twips still meet or overlap on screen.
[[nodiscard]] inline QRect twipsToPixelRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

}  // namespace pilaro
