// The reinforcement design solver: the ratio and area of longitudinal steel
// that let the section carry the axial force at the amplified eccentricity.
#pragma once

#include "engine/search/coefficient_memo.h"
#include "engine/search/design_trial.h"
#include "engine/search/search_outcome.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

struct DesignSolution {
    double xi = 0.0;  // as the search reached it, unrounded
    SectionCoefficients coefficients;
    double rho = 0.0;           // after the minimum ratio
    double requiredArea = 0.0;  // m^2
};

// Fills `solution` only when the search lands. `memo` is the section's (g,
// Rg and Eg of `in`): the written search's own trials are evaluated afresh
// (it seldom comes back to a depth); the scan that follows a search that
// never lands reads through the memo.
[[nodiscard]] SearchResult solveDesign(const SolverInput& in, DesignSolution& solution,
                                       CoefficientMemo& memo);

}  // namespace pilaro
