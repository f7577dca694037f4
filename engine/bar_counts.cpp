#include "engine/bar_counts.h"

#include <cmath>

#include "engine/number_text.h"

namespace pilaro {

BarSelection barsForArea(double A) {
    BarSelection selection;
    for (std::size_t i = 0; i < kBarSizes.size(); ++i)
        selection.counts[i] = std::floor(A / kBarSizes[i].area + 0.9);
    selection.Ag = floorToDecimals(A, 3);
    return selection;
}

BarSelection selectBars(double requiredArea) {
    return barsForArea(requiredArea * 10000);
}

}  // namespace pilaro
