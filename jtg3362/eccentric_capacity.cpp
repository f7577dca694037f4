#include "jtg3362/eccentric_capacity.h"

namespace pilaro::jtg3362 {
namespace {

constexpr int kBrackets = 16;
// Enough halvings to reach the last bit from any bracket, and to take a
// bracket at α = 0 down to where N is nothing.
constexpr int kMostHalvings = 128;

}  // namespace

CapacityPoint capacityAtEccentricity(const Section& section, double e) {
    // True from the root on: the state carries a compression at least as
    // far out as the load's line.
    const auto reachesLine = [&](double alpha) {
        const SectionForces f = sectionForces(section, alpha);
        return f.N > 0 && f.N * e >= f.M;
    };

    double below = 0.0;  // α = 0 stands below the root: it carries nothing
    double above = 1.0;
    for (int i = 1; i <= kBrackets; ++i) {
        const double alpha = static_cast<double>(i) / kBrackets;
        if (reachesLine(alpha)) {
            above = alpha;
            break;
        }
        below = alpha;
    }
    if (below == 1.0) return {1.0, sectionForces(section, 1.0)};

    for (int i = 0; i < kMostHalvings; ++i) {
        const double middle = below + (above - below) / 2;
        if (middle <= below || middle >= above) break;
        (reachesLine(middle) ? above : below) = middle;
    }
    if (below > 0) {
        const SectionForces f = sectionForces(section, below);
        if (f.N > 0) return {below, f};
    }
    return {above, sectionForces(section, above)};
}

}  // namespace pilaro::jtg3362
