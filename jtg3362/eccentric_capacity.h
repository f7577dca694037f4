// The section's capacity under a load at eccentricity e: the state whose
// resistance acts on the load's line, N(α) e = M(α).
#pragma once

#include "jtg3362/section_forces.h"

namespace pilaro::jtg3362 {

struct CapacityPoint {
    double alpha;
    SectionForces forces;  // Nud = forces.N, Mud = forces.M
};

// The root of N(α) e = M(α) with the least positive N. Roots with N <= 0
// (both resistances negative, near α = 0) are states in tension and are
// passed over. On N > 0 the ratio M / N falls strictly as α grows, so the
// root there is the only one: it is bracketed on a coarse grid of α and
// refined by bisection to the last bit. The answer is taken at the
// bracket's lower end where N > 0 there: never above the root's N.
//
// A section without steel has M / N < r for every α, so a load at e >= r
// has no root: the answer then tends to N = 0, the limit of the capacity.
// e > 0.
[[nodiscard]] CapacityPoint capacityAtEccentricity(const Section& section, double e);

}  // namespace pilaro::jtg3362
