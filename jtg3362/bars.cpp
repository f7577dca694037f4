#include "jtg3362/bars.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pilaro::jtg3362 {

double barArea(int diameter) {
    // mm^2 to cm^2
    return std::numbers::pi * diameter * diameter / 4.0 / 100.0;
}

std::array<double, kBarSizeCount> barCounts(double As) {
    std::array<double, kBarSizeCount> counts{};
    for (std::size_t i = 0; i < kBarSizes.size(); ++i) {
        const double area = barArea(kBarSizes[i].diameter);
        double n = std::ceil(As / area);
        // The quotient may round below a whole number that does not
        // quite cover the area.
        if (n * area < As) n += 1;
        counts[i] = std::max(kFewestBars, n);
    }
    return counts;
}

BarsReading readBars(std::string_view text) {
    const std::vector<table::BarGroup> groups = table::readBarGroups(text);
    BarsReading reading;
    if (groups.empty()) return reading;
    for (const table::BarGroup& group : groups) {
        const auto size = std::find_if(kBarSizes.begin(), kBarSizes.end(), [&](const BarSize& s) {
            return s.label.substr(1) == group.diameter;
        });
        if (size == kBarSizes.end()) {
            if (reading.unknownDiameter.empty()) reading.unknownDiameter = group.diameter;
            continue;
        }
        reading.area += group.count * barArea(size->diameter);
        reading.bars += group.count;
    }
    if (!reading.unknownDiameter.empty())
        return {table::BarTextKind::UnknownDiameter, 0.0, 0, reading.unknownDiameter};
    reading.kind = table::BarTextKind::Bars;
    return reading;
}

}  // namespace pilaro::jtg3362
