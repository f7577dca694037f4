#include "diagram/diagram_axes.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

namespace pilaro::diagram {

namespace {

// 1, 2 or 5 times a power of ten, not below `rough`.
double roundStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough * (1 - 1e-12)) return factor * power;
    return 10 * power;
}

}  // namespace

Axis roundAxis(double low, double high, int mostTicks) {
    // Three ticks always do: -step, 0 and step for a range across zero.
    mostTicks = std::max(mostTicks, 3);
    if (!std::isfinite(high - low)) low = high = 0;
    if (low > high) std::swap(low, high);
    if (low == high) {
        const double spread = low == 0 ? 1 : std::fabs(low) / 10;
        low -= spread;
        high += spread;
    }
    Axis axis;
    axis.step = roundStep((high - low) / (mostTicks - 1));
    // A wider step when rounding the ends out adds one tick too many.
    for (;;) {
        const double first = std::floor(low / axis.step);
        const double last = std::ceil(high / axis.step);
        if (last - first + 1 <= mostTicks) {
            axis.low = first * axis.step;
            axis.high = last * axis.step;
            axis.ticks.clear();
            // Each tick from its index, so that no rounding accumulates.
            for (double k = first; k <= last; ++k) axis.ticks.push_back(k * axis.step);
            return axis;
        }
        axis.step = roundStep(axis.step * 1.5);
    }
}

std::string tickText(double value, double step) {
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 10);
    std::string result = fixedDecimalsText(value, decimals);
    if (result.find_first_not_of("-0.") == std::string::npos)
        return result.substr(result[0] == '-');
    return result;
}

}  // namespace pilaro::diagram
