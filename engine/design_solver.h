// The reinforcement design solver: the ratio and area of longitudinal steel
// that let the section carry the axial force at the amplified eccentricity.
#pragma once

#include "engine/search.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

struct DesignSolution {
    double xi = 0.0;  // as the search reached it, unrounded
    SectionCoefficients coefficients;
    double rho = 0.0;           // after the minimum ratio
    double requiredArea = 0.0;  // m^2
};

// Fills `solution` only when the search lands.
SearchResult solveDesign(const SolverInput& in, DesignSolution& solution);

}  // namespace pilaro
