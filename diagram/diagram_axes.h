// The axes of a diagram: a range widened to round numbers, its ticks and
// their texts. Plain arithmetic, no drawing.
#pragma once

#include <string>
#include <vector>

namespace pilaro::diagram {

struct Axis {
    double low = 0;             // a whole number of steps
    double high = 1;            // the same, above low
    double step = 1;            // 1, 2 or 5 times a power of ten
    std::vector<double> ticks;  // low, low + step, ... high
};

// The smallest axis of round ticks that holds low..high with at most
// `mostTicks` ticks (at least 3). A range of one value, or values that are
// not finite, still give an axis around them.
[[nodiscard]] Axis roundAxis(double low, double high, int mostTicks);

// A tick's text with as many decimals as the step needs and no "-0".
[[nodiscard]] std::string tickText(double value, double step);

}  // namespace pilaro::diagram
