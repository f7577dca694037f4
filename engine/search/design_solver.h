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

// The same for the design road, which takes a landing only on the
// section's range 0 < xi <= 1.5: a written search that closes a cycle
// wholly outside the range is stopped there (stoppedOutsideRange) and the
// range scanned, as after a search that never lands. Whether the written
// steps, followed on, would have landed outside the range is left untold;
// writtenDesignNeverLands tells it where it matters.
[[nodiscard]] SearchResult solveDesignOnRange(const SolverInput& in, DesignSolution& solution,
                                              CoefficientMemo& memo);

// Whether the written design search, followed to its end, never lands
// (NotConverging, where the range is scanned).
[[nodiscard]] bool writtenDesignNeverLands(const SolverInput& in, CoefficientMemo& memo);

}  // namespace pilaro
